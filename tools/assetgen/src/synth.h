// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

inline constexpr int kSampleRate = 44100;

using Samples = std::vector<float>;

// One overtone of a voice: frequency ratio to the note, level, and extra fading per second.
struct Partial {
    double ratio = 1;
    double gain = 1;
    double fade = 0;
};

struct Voice {
    std::vector<Partial> partials;
    double attack = 0.005;  // seconds of linear rise
    double release = 0.05;  // seconds of fall at the note's end
    double fade = 0;        // exponential fading of the whole note per second
    double brightness =
        0;  // higher partials follow envelope^(1 + brightness * (ratio - 1)), like brass
    double vibratoDepth = 0;    // relative pitch swing
    double vibratoRate = 5.5;   // Hz
    double vibratoDelay = 0.2;  // seconds before the vibrato sets in
    double glide = 0;           // relative pitch change per second
};

Samples silence(double seconds);

// Mixes one note into the buffer, growing it when the note runs past its end.
void addNote(Samples& out, const Voice& voice, double start, double length, double frequency,
             double gain);

// Mixes decaying white noise, differenced to keep it bright.
void addNoise(Samples& out, double start, double length, double gain, double fade,
              std::uint32_t seed);

// Linear ramps at both ends, then scales so that the loudest sample sits at the given level.
void finishCue(Samples& out, double fadeIn, double fadeOut, double peakDbfs);

double peakDbfs(const Samples& samples);

// Index of the first sample at least this loud (full scale 1.0), or -1.
long firstLoudSample(const Samples& samples, float level);

}  // namespace assetgen
