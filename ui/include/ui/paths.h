// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kletochka {

// The folder of an executable's path: everything before the last "\" or "/",
// or nothing when there is no separator.
QString ExeDirOf(const QString& executablePath);

// The application's title: the executable's file name cut at its first ".",
// every letter after the first in lower case.
QString AppTitleOf(const QString& executablePath);

// ExeDir + "/" + name, or + "\" + name where the folder is spelt so: the sound files
// that lie beside the executable.
QString BesideExecutable(const QString& exeDir, const QString& name);

}  // namespace kletochka
