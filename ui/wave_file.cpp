// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wave_file.h"

#include <fcntl.h>
#include <sndfile.h>
#include <unistd.h>

#include <memory>
#include <string>

#include "window_errors.h"

namespace kletochka {

namespace {

struct CloseSndfile {
    void operator()(SNDFILE* file) const { sf_close(file); }
};

// libsndfile accepts a data chunk longer than the file and plays what is there;
// its log notes the size the chunk should have had.
bool CutShort(SNDFILE* file) {
    char log[4096] = {};
    sf_command(file, SFC_GET_LOG_INFO, log, sizeof log);
    const std::string text(log);
    const std::size_t data = text.find("\ndata : ");
    return data != std::string::npos &&
           text.substr(data + 1, text.find('\n', data + 1) - data - 1).find("(should be") !=
               std::string::npos;
}

}  // namespace

Cue LoadWaveFile(const QString& path) {
    const QByteArray name = path.toLocal8Bit();
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        throw SoundError("Couldn't open " + path.toStdString() + ".");
    }
    SF_INFO info{};
    const std::unique_ptr<SNDFILE, CloseSndfile> file(sf_open_fd(fd, SFM_READ, &info, SF_TRUE));
    if (!file) {
        throw SoundError(sf_strerror(nullptr));
    }
    const int container = info.format & SF_FORMAT_TYPEMASK;
    if (container != SF_FORMAT_WAV && container != SF_FORMAT_WAVEX) {
        throw SoundError("Not a wave file.");
    }
    if (CutShort(file.get())) {
        throw SoundError("The sound data is cut short.");
    }
    if (info.frames <= 0 || info.channels <= 0) {
        throw SoundError("The wave file holds no sound.");
    }
    std::vector<short> read(static_cast<std::size_t>(info.frames * info.channels));
    if (sf_readf_short(file.get(), read.data(), info.frames) != info.frames) {
        throw SoundError("The sound data is cut short.");
    }
    Cue cue;
    cue.rate = info.samplerate;
    cue.samples.resize(static_cast<std::size_t>(info.frames) * Cue::kChannels);
    // One channel goes to both sides; of more than two, the first two are kept.
    const auto channels = static_cast<std::size_t>(info.channels);
    for (std::size_t f = 0; f < static_cast<std::size_t>(info.frames); ++f) {
        const short* in = &read[f * channels];
        for (std::size_t side = 0; side < Cue::kChannels; ++side) {
            cue.samples[f * Cue::kChannels + side] = channels == 1 ? in[0] : in[side];
        }
    }
    return cue;
}

}  // namespace kletochka
