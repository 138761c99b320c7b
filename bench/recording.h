// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kletochka::bench {

// What a sound output played, as its monitor delivered it: interleaved 16-bit
// frames, and when (CLOCK_MONOTONIC, ns) each piece of them arrived.
struct Recording {
    struct Arrival {
        long long ns;
        std::int64_t framesSoFar;  // frames received up to and including this piece
    };

    int rate = 0;  // frames a second, as recorded
    int channels = 2;
    std::vector<std::int16_t> samples;
    std::vector<Arrival> arrivals;

    std::int64_t frames() const { return static_cast<std::int64_t>(samples.size()) / channels; }
    std::span<const std::int16_t> frame(std::int64_t index) const;
};

// The first frame of the first piece that arrived after `ns`: nothing sent
// after that moment can be in an earlier frame. frames() when none arrived.
std::int64_t FirstFrameAfter(const Recording& recording, long long ns);

// When the piece holding the frame arrived.
long long ArrivalOf(const Recording& recording, std::int64_t frame);

// The first frame in [from, to) with a sample louder than `threshold`.
std::optional<std::int64_t> FirstAudible(const Recording& recording, std::int64_t from,
                                         std::int64_t to, int threshold = 0);

// Where a sound that sounds at `from` ends: the first frame after it from
// which the next `quiet` frames, or all that are left, are silent.
std::int64_t SoundEnd(const Recording& recording, std::int64_t from, std::int64_t quiet);

// The longest run of silent frames in [from, to): a gap inside a sound that
// has none is a dropout of the output.
std::int64_t LongestSilence(const Recording& recording, std::int64_t from, std::int64_t to);

// A cue's first audible frame after a click at `clickNs`, looked for among
// the frames that arrived within `windowNs` of it, and the time from the
// click to that frame's arrival.
struct Onset {
    std::int64_t frame;
    double latencyMs;
};
std::optional<Onset> FindOnset(const Recording& recording, long long clickNs, long long windowNs);

// How late a piece arrived next to the most punctual piece within `spanNs`
// of it, going by the frames sent between them. The latencies above are
// upper bounds by about this much.
double LateArrivalMs(const Recording& recording, std::int64_t frame, long long spanNs);

// The start in [from, to) where the recording comes closest to `reference`
// (interleaved like the recording), and the largest sample difference there.
struct Match {
    std::int64_t frame = -1;
    int largestDifference = 0;
};
Match BestMatch(const Recording& recording, std::span<const std::int16_t> reference,
                std::int64_t from, std::int64_t to);

}  // namespace kletochka::bench
