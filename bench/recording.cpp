// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace kletochka::bench {

namespace {

// Arrival time less the time the frames up to it take to play: constant for
// pieces that arrive on time, larger for late ones.
double Lateness(const Recording& recording, const Recording::Arrival& arrival) {
    return static_cast<double>(arrival.ns) -
           static_cast<double>(arrival.framesSoFar) * 1e9 / recording.rate;
}

std::vector<Recording::Arrival>::const_iterator PieceOf(const Recording& recording,
                                                        std::int64_t frame) {
    return std::upper_bound(
        recording.arrivals.begin(), recording.arrivals.end(), frame,
        [](std::int64_t f, const Recording::Arrival& a) { return f < a.framesSoFar; });
}

}  // namespace

std::span<const std::int16_t> Recording::frame(std::int64_t index) const {
    return std::span<const std::int16_t>(samples).subspan(
        static_cast<std::size_t>(index * channels), static_cast<std::size_t>(channels));
}

std::int64_t FirstFrameAfter(const Recording& recording, long long ns) {
    const auto& arrivals = recording.arrivals;
    const auto after =
        std::upper_bound(arrivals.begin(), arrivals.end(), ns,
                         [](long long t, const Recording::Arrival& a) { return t < a.ns; });
    if (after == arrivals.end()) {
        return recording.frames();
    }
    return after == arrivals.begin() ? 0 : std::prev(after)->framesSoFar;
}

long long ArrivalOf(const Recording& recording, std::int64_t frame) {
    const auto piece = PieceOf(recording, frame);
    return piece == recording.arrivals.end() ? std::numeric_limits<long long>::max() : piece->ns;
}

std::optional<std::int64_t> FirstAudible(const Recording& recording, std::int64_t from,
                                         std::int64_t to, int threshold) {
    to = std::min(to, recording.frames());
    for (std::int64_t f = std::max<std::int64_t>(from, 0); f < to; ++f) {
        for (std::int16_t sample : recording.frame(f)) {
            if (std::abs(int{sample}) > threshold) {
                return f;
            }
        }
    }
    return std::nullopt;
}

std::int64_t SoundEnd(const Recording& recording, std::int64_t from, std::int64_t quiet) {
    std::int64_t f = from;
    while (f < recording.frames()) {
        const std::optional<std::int64_t> next = FirstAudible(recording, f, f + quiet);
        if (!next) {
            return f;
        }
        f = *next + 1;
    }
    return recording.frames();
}

std::int64_t LongestSilence(const Recording& recording, std::int64_t from, std::int64_t to) {
    std::int64_t longest = 0;
    std::int64_t run = 0;
    for (std::int64_t f = std::max<std::int64_t>(from, 0); f < std::min(to, recording.frames());
         ++f) {
        run = FirstAudible(recording, f, f + 1) ? 0 : run + 1;
        longest = std::max(longest, run);
    }
    return longest;
}

std::optional<Onset> FindOnset(const Recording& recording, long long clickNs, long long windowNs) {
    const std::optional<std::int64_t> frame =
        FirstAudible(recording, FirstFrameAfter(recording, clickNs),
                     FirstFrameAfter(recording, clickNs + windowNs));
    if (!frame) {
        return std::nullopt;
    }
    return Onset{*frame, static_cast<double>(ArrivalOf(recording, *frame) - clickNs) / 1e6};
}

double LateArrivalMs(const Recording& recording, std::int64_t frame, long long spanNs) {
    const auto piece = PieceOf(recording, frame);
    if (piece == recording.arrivals.end()) {
        return 0;
    }
    double best = Lateness(recording, *piece);
    for (const Recording::Arrival& other : recording.arrivals) {
        if (std::llabs(other.ns - piece->ns) <= spanNs) {
            best = std::min(best, Lateness(recording, other));
        }
    }
    return (Lateness(recording, *piece) - best) / 1e6;
}

Match BestMatch(const Recording& recording, std::span<const std::int16_t> reference,
                std::int64_t from, std::int64_t to) {
    Match best;
    const auto length = static_cast<std::int64_t>(reference.size()) / recording.channels;
    to = std::min(to, recording.frames() - length + 1);
    for (std::int64_t start = std::max<std::int64_t>(from, 0); start < to; ++start) {
        const std::int16_t* here = recording.samples.data() + start * recording.channels;
        int largest = 0;
        for (std::size_t i = 0; i < reference.size(); ++i) {
            largest = std::max(largest, std::abs(here[i] - reference[i]));
            if (best.frame >= 0 && largest >= best.largestDifference) {
                break;
            }
        }
        if (best.frame < 0 || largest < best.largestDifference) {
            best = {start, largest};
        }
    }
    return best;
}

}  // namespace kletochka::bench
