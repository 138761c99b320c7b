// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace kletochka {

// For start-up benchmarks: when KLETOCHKA_QUIT_AFTER_FIRST_PAINT is set, the
// window's first paint prints "first-paint-ns <CLOCK_MONOTONIC>" and ends the
// event loop. Otherwise it does nothing.
void QuitAfterFirstPaintIfAsked(QWidget& window);

}  // namespace kletochka
