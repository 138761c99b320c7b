// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kletochka {

// The sample rate of the game's own cues: the outputs open at it before the
// first cue, so a cue at it starts without reopening anything.
inline constexpr int kCueRate = 44100;

}  // namespace kletochka
