// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wav_file.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>
#include <string>

namespace assetgen {

namespace {
struct Closer {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SoundHandle = std::unique_ptr<SNDFILE, Closer>;

[[noreturn]] void fail(const char* what, const QString& path) {
    throw std::runtime_error(std::string(what) + " " + path.toStdString() + ": " +
                             sf_strerror(nullptr));
}
}  // namespace

void writeWav16(const Samples& samples, const QString& path) {
    SF_INFO info{};
    info.samplerate = kSampleRate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    const SoundHandle file(sf_open(path.toLocal8Bit().constData(), SFM_WRITE, &info));
    if (!file) {
        fail("cannot create", path);
    }
    // Rounded here rather than by the library, so the written peak is exactly what was asked.
    std::vector<short> pcm(samples.size());
    std::transform(samples.begin(), samples.end(), pcm.begin(), [](float s) {
        return static_cast<short>(std::lround(std::clamp(s, -1.0F, 1.0F) * 32767.0F));
    });
    if (sf_write_short(file.get(), pcm.data(), static_cast<sf_count_t>(pcm.size())) !=
        static_cast<sf_count_t>(pcm.size())) {
        fail("cannot write", path);
    }
}

SoundFile readSound(const QString& path) {
    SF_INFO info{};
    const SoundHandle file(sf_open(path.toLocal8Bit().constData(), SFM_READ, &info));
    if (!file) {
        fail("cannot open", path);
    }
    std::vector<float> interleaved(static_cast<std::size_t>(info.frames * info.channels));
    sf_readf_float(file.get(), interleaved.data(), info.frames);
    SoundFile out;
    out.sampleRate = info.samplerate;
    out.channels = info.channels;
    out.format = info.format;
    for (std::size_t i = 0; i < interleaved.size(); i += static_cast<std::size_t>(info.channels)) {
        out.samples.push_back(interleaved[i]);
    }
    return out;
}

}  // namespace assetgen
