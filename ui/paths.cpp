// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/paths.h"

namespace kletochka {

namespace {
qsizetype LastSeparator(const QString& path) {
    return qMax(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
}
}  // namespace

QString ExeDirOf(const QString& executablePath) {
    const qsizetype last = LastSeparator(executablePath);
    return last < 0 ? QString() : executablePath.left(last);
}

QString AppTitleOf(const QString& executablePath) {
    QString name = executablePath.mid(LastSeparator(executablePath) + 1);
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0) {
        name.truncate(dot);
    }
    return name.left(1) + name.mid(1).toLower();
}

QString BesideExecutable(const QString& exeDir, const QString& name) {
    // The folder's own separator, so that a message names the file as the system does.
    const bool backslashes =
        exeDir.lastIndexOf(QLatin1Char('\\')) > exeDir.lastIndexOf(QLatin1Char('/'));
    return exeDir + QLatin1Char(backslashes ? '\\' : '/') + name;
}

}  // namespace kletochka
