// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace assetgen {

namespace {
std::size_t toIndex(double seconds) {
    return static_cast<std::size_t>(std::lround(std::max(0.0, seconds) * kSampleRate));
}

// Rise over the attack, exponential fading, linear fall over the release after the note's length.
double envelope(const Voice& voice, double t, double length) {
    double level = voice.attack > 0 ? std::min(1.0, (t + 1.0 / kSampleRate) / voice.attack) : 1.0;
    level *= std::exp(-voice.fade * t);
    if (t > length) {
        level *= std::max(0.0, 1.0 - (t - length) / voice.release);
    }
    return level;
}
}  // namespace

Samples silence(double seconds) {
    return Samples(toIndex(seconds), 0.0F);
}

void addNote(Samples& out, const Voice& voice, double start, double length, double frequency,
             double gain) {
    const std::size_t first = toIndex(start);
    const std::size_t count = toIndex(length + voice.release);
    out.resize(std::max(out.size(), first + count), 0.0F);
    std::vector<double> phases(voice.partials.size(), 0.0);
    constexpr double twoPi = 2 * std::numbers::pi;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double env = envelope(voice, t, length);
        const double wobble = t > voice.vibratoDelay
                                  ? voice.vibratoDepth * std::sin(twoPi * voice.vibratoRate *
                                                                  (t - voice.vibratoDelay))
                                  : 0.0;
        const double f = frequency * (1 + voice.glide * t) * (1 + wobble);
        double sum = 0;
        for (std::size_t p = 0; p < voice.partials.size(); ++p) {
            const Partial& partial = voice.partials[p];
            const double shaped = std::pow(env, 1 + voice.brightness * (partial.ratio - 1));
            sum += partial.gain * shaped * std::exp(-partial.fade * t) * std::sin(phases[p]);
            phases[p] = std::fmod(phases[p] + twoPi * f * partial.ratio / kSampleRate, twoPi);
        }
        out[first + i] += static_cast<float>(gain * sum);
    }
}

void addNoise(Samples& out, double start, double length, double gain, double fade,
              std::uint32_t seed) {
    const std::size_t first = toIndex(start);
    const std::size_t count = toIndex(length);
    out.resize(std::max(out.size(), first + count), 0.0F);
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> white(-1.0, 1.0);
    double previous = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double n = white(random);
        out[first + i] += static_cast<float>(gain * std::exp(-fade * t) * (n - previous) / 2);
        previous = n;
    }
}

void finishCue(Samples& out, double fadeIn, double fadeOut, double peak) {
    const std::size_t in = std::min(out.size(), toIndex(fadeIn));
    const std::size_t tail = std::min(out.size(), toIndex(fadeOut));
    for (std::size_t i = 0; i < in; ++i) {
        out[i] *= static_cast<float>(i + 1) / static_cast<float>(in);
    }
    for (std::size_t i = 0; i < tail; ++i) {
        out[out.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(tail);
    }
    float loudest = 0;
    for (const float s : out) {
        loudest = std::max(loudest, std::abs(s));
    }
    if (loudest > 0) {
        const auto scale = static_cast<float>(std::pow(10.0, peak / 20) / loudest);
        for (float& s : out) {
            s *= scale;
        }
    }
}

double peakDbfs(const Samples& samples) {
    float loudest = 0;
    for (const float s : samples) {
        loudest = std::max(loudest, std::abs(s));
    }
    return 20 * std::log10(std::max(loudest, 1e-9F));
}

long firstLoudSample(const Samples& samples, float level) {
    const auto it = std::find_if(samples.begin(), samples.end(),
                                 [level](float s) { return std::abs(s) >= level; });
    return it == samples.end() ? -1 : static_cast<long>(it - samples.begin());
}

}  // namespace assetgen
