// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "case_name.h"
#include "cues.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>

namespace assetgen {
namespace {

struct CueCase {
    const char* name;
    std::function<Samples()> make;
    double shortest;  // seconds
    double longest;
};

void PrintTo(const CueCase& c, std::ostream* os) {
    *os << c.name;
}

class CueTest : public testing::TestWithParam<CueCase> {};

double seconds(const Samples& s) {
    return static_cast<double>(s.size()) / kSampleRate;
}

TEST_P(CueTest, LastsTheRightTime) {
    const Samples cue = GetParam().make();
    EXPECT_GE(seconds(cue), GetParam().shortest);
    EXPECT_LE(seconds(cue), GetParam().longest);
}

TEST_P(CueTest, PeaksAtMinusThreeDecibels) {
    EXPECT_NEAR(peakDbfs(GetParam().make()), kCuePeakDbfs, 0.05);
}

TEST_P(CueTest, SoundsAtOnceWithoutAClick) {
    const Samples cue = GetParam().make();
    ASSERT_FALSE(cue.empty());
    const long first = firstLoudSample(cue, 0.01F);
    EXPECT_GE(first, 0);
    EXPECT_LE(first, 20) << "no leading silence: cue latency is measured to the first sound";
    EXPECT_LT(std::abs(cue.front()), 0.05F) << "starts near zero";
    EXPECT_LT(std::abs(cue.back()), 0.001F) << "ends at zero";
}

TEST_P(CueTest, IsRenderedTheSameEveryTime) {
    EXPECT_EQ(GetParam().make(), GetParam().make());
}

INSTANTIATE_TEST_SUITE_P(Cues, CueTest,
                         testing::Values(CueCase{"Click", clickCue, 0.030, 0.060},
                                         CueCase{"Good", goodCue, 0.6, 0.9},
                                         CueCase{"Bad", badCue, 0.6, 0.8},
                                         CueCase{"Tada", tadaCue, 1.5, 2.5}),
                         caseName<CueCase>);

TEST(Cues, GoodRisesAndBadSitsLow) {
    // Zero crossings per second give a rough pitch: the chime ends higher than it starts, the buzz
    // stays low.
    const auto crossingsPerSecond = [](const Samples& s, double from, double to) {
        int crossings = 0;
        const auto a = static_cast<std::size_t>(from * kSampleRate);
        const auto b = static_cast<std::size_t>(to * kSampleRate);
        for (std::size_t i = a + 1; i < b; ++i) {
            crossings += (s[i - 1] < 0) != (s[i] < 0);
        }
        return crossings / (to - from);
    };
    const Samples good = goodCue();
    EXPECT_GT(crossingsPerSecond(good, 0.35, 0.45), crossingsPerSecond(good, 0.01, 0.07));
    const Samples bad = badCue();
    EXPECT_LT(crossingsPerSecond(bad, 0.05, 0.6), 2 * 400.0);
}

}  // namespace
}  // namespace assetgen
