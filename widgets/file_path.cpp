// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/file_path.h"

#include <string>
#include <string_view>

namespace kletochka {

// Through UTF-32, which the standard library converts the same way on every system (a
// std::string name would be read in the ANSI code page on Windows); toStdU32String turns a lone
// surrogate into U+FFFD, as QFile::encodeName does.
std::filesystem::path ToStdPath(const QString& name) {
    return std::filesystem::path(name.toStdU32String());
}

QString FromStdPath(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return QString::fromUtf8(reinterpret_cast<const char*>(utf8.data()),
                             static_cast<qsizetype>(utf8.size()));
}

}  // namespace kletochka
