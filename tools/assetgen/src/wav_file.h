// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "synth.h"

#include <QString>

namespace assetgen {

// Mono 16-bit PCM WAV at the synth's sample rate; throws std::runtime_error on failure.
void writeWav16(const Samples& samples, const QString& path);

// Reads any sound file back as mono floats (first channel), with its rate and channel count.
struct SoundFile {
    Samples samples;
    int sampleRate = 0;
    int channels = 0;
    int format = 0;
};
SoundFile readSound(const QString& path);

}  // namespace assetgen
