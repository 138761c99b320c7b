// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/plugin/wave_file.h"

#include <sndfile.h>

#include <QFile>
#include <memory>

#include "sound/sound_error.h"
#include "sound/wave_header.h"

namespace kletochka {

namespace {

struct CloseSndfile {
    void operator()(SNDFILE* file) const { sf_close(file); }
};

}  // namespace

Cue LoadWaveFile(const QString& path) {
    // The same verdict on the file's chunks as before the library was loaded.
    CheckWaveFile(path);
    // Qt opens by the name as the system spells it (UTF-16 on Windows) and lends its descriptor,
    // which it closes itself after the decoder.
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly)) {
        throw SoundError::CannotOpen(path);
    }
    SF_INFO info{};
    const std::unique_ptr<SNDFILE, CloseSndfile> file(
        sf_open_fd(source.handle(), SFM_READ, &info, SF_FALSE));
    if (!file) {
        throw SoundError(sf_strerror(nullptr));
    }
    const int container = info.format & SF_FORMAT_TYPEMASK;
    if (container != SF_FORMAT_WAV && container != SF_FORMAT_WAVEX) {
        throw SoundError::NotAWave();
    }
    if (info.frames <= 0 || info.channels <= 0) {
        throw SoundError::NoSound();
    }
    std::vector<short> read(static_cast<std::size_t>(info.frames * info.channels));
    if (sf_readf_short(file.get(), read.data(), info.frames) != info.frames) {
        throw SoundError::DataCutShort();
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
