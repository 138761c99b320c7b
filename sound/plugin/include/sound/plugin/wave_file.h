// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "sound/cue_rate.h"

namespace kletochka {

// A whole cue in memory, ready to play: interleaved 16-bit stereo frames.
struct Cue {
    static constexpr int kChannels = 2;
    int rate = kCueRate;
    std::vector<std::int16_t> samples;

    std::size_t Frames() const { return samples.size() / kChannels; }
};

// Reads a wave file whole, of any sample format libsndfile reads, as stereo;
// throws SoundError when it is missing, no wave file, or cut short.
Cue LoadWaveFile(const QString& path);

}  // namespace kletochka
