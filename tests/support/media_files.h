// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <cstdint>
#include <string>

namespace kletochka::test {

// A 16-bit mono wave at the cues' rate of `frames` samples in format `formatTag` (1 = PCM), its
// data chunk and RIFF size claiming `claimed` data bytes.
std::string Wave(std::uint32_t frames, std::uint32_t claimed, std::uint16_t formatTag = 1);
// A PCM wave of `frames` frames of a rising tone, in any rate and layout.
std::string PcmWave(std::uint32_t rate, std::uint16_t bits, std::uint16_t channels,
                    std::uint32_t frames);
// A short wave that the player plays.
inline std::string GoodWave() {
    return Wave(100, 200);
}

// A hand-made 4 × 3 bitmap, every pixel `color`, with 1, 4, 8, 24 or 32 bits per
// pixel (a two-colour or grey-free palette below 24 bits).
std::string SolidBitmap(int bits, QColor color);

}  // namespace kletochka::test
