// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the player sends out for a wave file: every layout as 16-bit stereo at the file's own rate.
#include <gtest/gtest.h>

#include "media_files.h"
#include "sound/plugin/wave_file.h"
#include "temp_dir.h"

namespace kletochka {
namespace {

Cue Load(const test::TempDir& dir, const std::string& bytes) {
    test::WriteFile(dir / "cue.wav", bytes);
    return LoadWaveFile(QString::fromStdString((dir / "cue.wav").string()));
}

TEST(WaveFile, MonoSoundsTheSameOnBothSidesSampleForSample) {
    test::TempDir dir;
    const Cue cue = Load(dir, test::PcmWave(22050, 16, 1, 500));
    EXPECT_EQ(cue.rate, 22050);
    ASSERT_EQ(cue.samples.size(), 1000u);
    for (std::size_t f = 0; f < 500; ++f) {
        // PcmWave's rising tone: frame f holds f * 97 in its low 16 bits.
        const auto expected = static_cast<std::int16_t>(static_cast<std::uint16_t>(f * 97));
        ASSERT_EQ(cue.samples[2 * f], expected) << f;
        ASSERT_EQ(cue.samples[2 * f + 1], expected) << f;
    }
}

TEST(WaveFile, StereoKeepsItsSidesAndEightBitsAreWidened) {
    test::TempDir dir;
    const Cue stereo = Load(dir, test::PcmWave(48000, 16, 2, 10));
    EXPECT_EQ(stereo.rate, 48000);
    ASSERT_EQ(stereo.samples.size(), 20u);
    EXPECT_EQ(stereo.samples[6], 3 * 97);
    EXPECT_EQ(stereo.samples[7], 3 * 97 + 31);

    // Unsigned 8-bit samples around 128 become signed 16-bit ones around 0.
    const Cue narrow = Load(dir, test::PcmWave(8000, 8, 1, 3));
    ASSERT_EQ(narrow.samples.size(), 6u);
    EXPECT_EQ(narrow.samples[0], (0 - 128) * 256);
    EXPECT_EQ(narrow.samples[2], (97 - 128) * 256);
}

}  // namespace
}  // namespace kletochka
