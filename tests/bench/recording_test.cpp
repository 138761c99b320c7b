// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis behind the cue-latency figures, on small made-up recordings.
#include <gtest/gtest.h>

#include <limits>

#include "recording.h"
#include "report.h"

namespace kletochka::bench {
namespace {

constexpr long long kMs = 1'000'000;

// A 1 kHz stereo recording: one sample per frame, given for the left channel
// (the right one is silent unless `right` is set), in pieces of ten frames
// that arrive at 10, 20, 30 ... ms.
Recording Made(const std::vector<std::int16_t>& left, bool right = false) {
    Recording recording;
    recording.rate = 1000;
    for (std::int16_t sample : left) {
        recording.samples.push_back(right ? 0 : sample);
        recording.samples.push_back(right ? sample : 0);
    }
    for (std::int64_t end = 10; end <= recording.frames(); end += 10) {
        recording.arrivals.push_back({end * kMs, end});
    }
    return recording;
}

std::vector<std::int16_t> SoundAt(std::vector<std::pair<int, int>> spans, int frames = 40) {
    std::vector<std::int16_t> left(static_cast<std::size_t>(frames), 0);
    for (const auto& [from, to] : spans) {
        for (int f = from; f < to; ++f) {
            left[static_cast<std::size_t>(f)] = static_cast<std::int16_t>(100 + f);
        }
    }
    return left;
}

TEST(Recording, FramesArePlacedByThePieceTheyArrivedIn) {
    const Recording recording = Made(SoundAt({}));
    const std::pair<long long, std::int64_t> after[] = {
        {0, 0},         {9 * kMs, 0},   {10 * kMs, 10}, {15 * kMs, 10},
        {39 * kMs, 30}, {40 * kMs, 40}, {99 * kMs, 40}};
    for (const auto& [ns, frame] : after) {
        EXPECT_EQ(FirstFrameAfter(recording, ns), frame) << ns;
    }
    const std::pair<std::int64_t, long long> arrival[] = {
        {0, 10 * kMs},
        {9, 10 * kMs},
        {10, 20 * kMs},
        {39, 40 * kMs},
        {40, std::numeric_limits<long long>::max()}};
    for (const auto& [frame, ns] : arrival) {
        EXPECT_EQ(ArrivalOf(recording, frame), ns) << frame;
    }
}

TEST(Recording, AudibleMeansAboveTheThresholdOnEitherChannel) {
    std::vector<std::int16_t> left(20, 0);
    left[5] = 3;
    left[7] = -9;
    left[12] = 50;
    for (bool right : {false, true}) {
        const Recording recording = Made(left, right);
        EXPECT_EQ(FirstAudible(recording, 0, 20), 5) << right;
        EXPECT_EQ(FirstAudible(recording, 6, 20), 7) << right;
        EXPECT_EQ(FirstAudible(recording, 0, 20, 3), 7) << right;
        EXPECT_EQ(FirstAudible(recording, 0, 20, 9), 12) << right;
        EXPECT_EQ(FirstAudible(recording, 13, 20), std::nullopt) << right;
        EXPECT_EQ(FirstAudible(recording, 0, 5), std::nullopt) << right;
        EXPECT_EQ(FirstAudible(recording, -4, 99, 49), 12) << right;
    }
}

TEST(Recording, SoundsEndWhereTheyFallQuietLongEnough) {
    const Recording recording = Made(SoundAt({{5, 9}, {12, 14}, {30, 31}}));
    EXPECT_EQ(SoundEnd(recording, 5, 3), 9);
    EXPECT_EQ(SoundEnd(recording, 5, 4), 14);
    EXPECT_EQ(SoundEnd(recording, 5, 17), 31);
    EXPECT_EQ(SoundEnd(recording, 5, 50), 31);  // quiet to the end counts
    EXPECT_EQ(SoundEnd(Made(SoundAt({{30, 40}})), 30, 5), 40);
    EXPECT_EQ(LongestSilence(recording, 5, 14), 3);
    EXPECT_EQ(LongestSilence(recording, 0, 40), 16);
    EXPECT_EQ(LongestSilence(recording, 12, 14), 0);
}

TEST(Recording, OnsetIsTheFirstSoundArrivingAfterTheClick) {
    // Sound in frames 3..6 (arrived at 10 ms) and from frame 24 (arrived at 30 ms).
    const Recording recording = Made(SoundAt({{3, 6}, {24, 26}}));
    const struct {
        long long clickNs;
        long long windowNs;
        std::optional<std::int64_t> frame;
        double latencyMs;
    } cases[] = {
        {0, 50 * kMs, 3, 10.0},          // the earlier sound counts when it came after the click
        {12 * kMs, 50 * kMs, 24, 18.0},  // sound that arrived before the click never does
        {10 * kMs, 50 * kMs, 24, 20.0},  // nor what arrived at the very moment
        {12 * kMs, 15 * kMs, std::nullopt, 0},  // too late to be this click's
        {35 * kMs, 50 * kMs, std::nullopt, 0},
    };
    for (const auto& c : cases) {
        const std::optional<Onset> onset = FindOnset(recording, c.clickNs, c.windowNs);
        ASSERT_EQ(onset.has_value(), c.frame.has_value()) << c.clickNs;
        if (onset) {
            EXPECT_EQ(onset->frame, *c.frame) << c.clickNs;
            EXPECT_DOUBLE_EQ(onset->latencyMs, c.latencyMs) << c.clickNs;
        }
    }
}

TEST(Recording, LatenessIsMeasuredAgainstTheMostPunctualPiece) {
    Recording recording = Made(SoundAt({}));
    recording.arrivals[1].ns += 3 * kMs;  // frames 10..19 came 3 ms late
    recording.arrivals[3].ns -= 1 * kMs;  // frames 30..39 came 1 ms early
    EXPECT_DOUBLE_EQ(LateArrivalMs(recording, 15, 100 * kMs), 4.0);
    EXPECT_DOUBLE_EQ(LateArrivalMs(recording, 35, 100 * kMs), 0.0);
    EXPECT_DOUBLE_EQ(LateArrivalMs(recording, 5, 100 * kMs), 1.0);
    // Only pieces within the span are compared.
    EXPECT_DOUBLE_EQ(LateArrivalMs(recording, 5, 10 * kMs), 0.0);
    EXPECT_DOUBLE_EQ(LateArrivalMs(recording, 99, 100 * kMs), 0.0);
}

TEST(Recording, AReferenceIsFoundExactlyOnlyWhereItSoundsAlone) {
    const std::vector<std::int16_t> tone = {40, -300, 1200, -7, 900, 5};
    std::vector<std::int16_t> reference;
    for (std::int16_t sample : tone) {
        reference.push_back(sample);
        reference.push_back(0);
    }
    std::vector<std::int16_t> alone = SoundAt({{0, 12}});
    std::vector<std::int16_t> mixed = alone;
    for (std::size_t i = 0; i < tone.size(); ++i) {
        alone[17 + i] = tone[i];
        mixed[17 + i] = static_cast<std::int16_t>(mixed[17 + i] + tone[i] + (i == 2 ? 25 : 0));
    }
    const Match exact = BestMatch(Made(alone), reference, 0, 40);
    EXPECT_EQ(exact.frame, 17);
    EXPECT_EQ(exact.largestDifference, 0);
    EXPECT_GT(BestMatch(Made(alone), reference, 18, 40).largestDifference, 0);
    const Match blurred = BestMatch(Made(mixed), reference, 0, 40);
    EXPECT_EQ(blurred.frame, 17);
    EXPECT_EQ(blurred.largestDifference, 25);
}

TEST(Report, MedianAndWorst) {
    const struct {
        std::vector<double> values;
        double median;
        double worst;
    } cases[] = {{{}, 0, 0},
                 {{7}, 7, 7},
                 {{3, 1, 2}, 2, 3},
                 {{4, 1, 3, 2}, 2.5, 4},
                 {{5, 5, 1, 9, 5}, 5, 9}};
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(Median(c.values), c.median);
        EXPECT_DOUBLE_EQ(Worst(c.values), c.worst);
    }
}

}  // namespace
}  // namespace kletochka::bench
