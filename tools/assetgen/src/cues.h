// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "synth.h"

namespace assetgen {

// Loudest sample of every cue, in dB below full scale.
inline constexpr double kCuePeakDbfs = -3.0;

Samples clickCue();  // short crisp tick for every button
Samples goodCue();   // bright rising chime for a right answer
Samples badCue();    // low two-step buzz for a wrong answer
Samples tadaCue();   // brass fanfare when a line is complete

}  // namespace assetgen
