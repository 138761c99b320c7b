// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "x_screen.h"

namespace kletochka::test {

// The game built here, started from its program folder as its launcher starts it,
// with no sound device, session bus or accessibility bridge to wait for.
class NativeGameOnX : public GameOnX {
  public:
    explicit NativeGameOnX(const std::string& display)
        : GameOnX(display, {KLETOCHKA_DIST_DIR "/kletochka"},
                  {"QT_QPA_PLATFORM=xcb", "DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent",
                   "QT_ACCESSIBILITY=0"},
                  KLETOCHKA_DIST_DIR) {}
};

}  // namespace kletochka::test
