// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include "qbtool/command_line.h"

namespace kletochka::qbtool {

// The whole tool: args[0] is the program, args[1] the command. Gives the exit status.
int RunQbtool(const QStringList& args, Console& io);

// Each command with the arguments after its name.
int RunDump(const QStringList& args, Console& io);
int RunBuild(const QStringList& args, Console& io);
int RunCheck(const QStringList& args, Console& io);
int RunTemplate(const QStringList& args, Console& io);
int RunSheet(const QStringList& args, Console& io);

}  // namespace kletochka::qbtool
