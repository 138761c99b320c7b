// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>

class QWidget;

namespace kletochka {

// Window opacity runs from 0 (invisible) to kOpaque. Leaving the game lowers it
// by kFadeStep every kFadeTick; the tick that finds it at kFadeStep or less ends the program.
inline constexpr int kOpaque = 255;
inline constexpr int kFadeStep = 10;
inline constexpr std::chrono::milliseconds kFadeTick{100};

// Gives the top-level window the opacity 0 <= alpha <= kOpaque and sends it to
// the display at once, though nothing is repainted.
void ShowWindowOpacity(QWidget& window, int alpha);

}  // namespace kletochka
