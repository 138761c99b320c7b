// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

namespace kletochka {

// Makes the application and the main window, shows it and runs the event loop;
// returns the exit status. `beforeShow` sees the window just before it is shown.
int RunGame(int argc, char* argv[], const std::function<void(QWidget&)>& beforeShow = {});

}  // namespace kletochka
