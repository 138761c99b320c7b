// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/main_window.h"

namespace kletochka {

// The real machine: the sound server, Qt's file dialog, bitmaps from disk, and the
// application's event loop to end.
WindowPlatform RealPlatform();
// The same for the program at executablePath, whose sound library lies beside it.
WindowPlatform RealPlatform(const QString& executablePath);

}  // namespace kletochka
