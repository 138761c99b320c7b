// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace kletochka::bench {

// The window's first paint prints "first-paint-ns <CLOCK_MONOTONIC>" and
// "first-paint-libs <count> <names...>" (the shared libraries mapped by then)
// and ends the event loop.
void QuitAfterFirstPaint(QWidget& window);

}  // namespace kletochka::bench
