// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cues.h"

#include <cmath>

namespace assetgen {

namespace {
// Equal-tempered pitch, counting semitones from A4.
double pitch(int semitonesFromA4) {
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

constexpr int C4 = -9;
constexpr int C5 = 3;
constexpr int E5 = 7;
constexpr int G5 = 10;
constexpr int C6 = 15;
constexpr int E6 = 19;
constexpr int G6 = 22;
constexpr int C7 = 27;

// Sawtooth overtones rolled off above the given corner, for a reedy buzz.
std::vector<Partial> buzzPartials(double frequency, double corner) {
    std::vector<Partial> partials;
    for (int n = 1; n * frequency < 6000; ++n) {
        const double rolloff = 1 / (1 + std::pow(n * frequency / corner, 2));
        partials.push_back({static_cast<double>(n), rolloff / n, 0});
    }
    return partials;
}

Voice brass() {
    Voice v;
    for (int n = 1; n <= 12; ++n) {
        v.partials.push_back({static_cast<double>(n), 1 / std::pow(n, 0.9), 0});
    }
    v.attack = 0.005;
    v.release = 0.16;
    v.brightness = 0.35;
    v.vibratoDepth = 0.004;
    v.vibratoDelay = 0.3;
    v.fade = 0.35;
    return v;
}
}  // namespace

Samples clickCue() {
    Voice tick;
    tick.partials = {{1, 1, 0}, {2.71, 0.45, 60}};
    tick.attack = 0.0004;
    tick.fade = 120;
    tick.release = 0.012;
    Samples out;
    addNote(out, tick, 0, 0.030, 2100, 1.0);
    addNoise(out, 0, 0.015, 0.5, 320, 7);
    finishCue(out, 0.0004, 0.008, kCuePeakDbfs);
    return out;
}

Samples goodCue() {
    Voice bell;
    bell.partials = {{1, 1, 0}, {2, 0.22, 5}, {3, 0.07, 9}};
    bell.attack = 0.003;
    bell.fade = 3.2;
    bell.release = 0.12;
    Samples out;
    const int notes[] = {C6, E6, G6, C7};
    const double gains[] = {0.55, 0.6, 0.65, 0.75};
    for (int i = 0; i < 4; ++i) {
        const double start = 0.075 * i;
        addNote(out, bell, start, 0.66 - start, pitch(notes[i]), gains[i]);
    }
    finishCue(out, 0.0005, 0.09, kCuePeakDbfs);
    return out;
}

Samples badCue() {
    Samples out;
    const struct {
        double start, length, frequency;
    } steps[] = {{0.0, 0.22, 146.8}, {0.27, 0.36, 110.0}};
    for (const auto& step : steps) {
        Voice buzz;
        buzz.partials = buzzPartials(step.frequency, 900);
        buzz.attack = 0.004;
        buzz.release = 0.06;
        buzz.glide = -0.06;
        buzz.fade = 1.2;
        addNote(out, buzz, step.start, step.length, step.frequency, 1.0);
        addNote(out, buzz, step.start, step.length, step.frequency * 1.035, 0.7);
    }
    finishCue(out, 0.0005, 0.04, kCuePeakDbfs);
    return out;
}

Samples tadaCue() {
    const Voice horn = brass();
    Samples out;
    const int pickup[] = {C5, E5, G5};
    for (int i = 0; i < 3; ++i) {
        addNote(out, horn, 0.15 * i, 0.11, pitch(pickup[i]), 1.2);
    }
    const double held = 0.45;
    const double length = 1.25;
    addNote(out, horn, held, length, pitch(C6), 0.9);
    addNote(out, horn, held, length, pitch(G5), 0.55);
    addNote(out, horn, held, length, pitch(E5), 0.5);
    addNote(out, horn, held, length, pitch(C5), 0.5);
    addNote(out, horn, held, length, pitch(C4), 0.4);
    finishCue(out, 0.0005, 0.08, kCuePeakDbfs);
    return out;
}

}  // namespace assetgen
