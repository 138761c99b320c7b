// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "system_facts.h"

#include <windows.h>

#include <cerrno>
#include <cstring>

namespace kletochka::test {

QString SystemMessage(int err) {
    // A missing file is worded by Windows itself, in the system's language (Qt passes its
    // words on); a folder is worded by the C library, as on Linux. The window drops the
    // system's full stop, to put its own.
    QString words = err == ENOENT ? qt_error_string(ERROR_FILE_NOT_FOUND)
                                  : QString::fromLocal8Bit(std::strerror(err));
    if (words.endsWith(QLatin1Char('.'))) {
        words.chop(1);
    }
    return words;
}

const char* FolderAsBankMessage() {
    return "File access denied.";
}

bool ImagePluginLoaded() {
    // The only image plugin the Windows build carries.
    return GetModuleHandleW(L"qico.dll") != nullptr;
}

}  // namespace kletochka::test
