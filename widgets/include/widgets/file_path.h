// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <filesystem>

namespace kletochka {

// A file name from Qt as the system spells it, whatever the locale: UTF-8 bytes on Linux,
// exactly as Qt's own files use them, and UTF-16 on Windows, never the ANSI code page. A lone
// surrogate, which no name Qt reads can hold, becomes U+FFFD as in Qt's own conversion.
std::filesystem::path ToStdPath(const QString& name);

// The name back for Qt and for messages; bytes that are not UTF-8 (Linux) show as U+FFFD.
QString FromStdPath(const std::filesystem::path& path);

}  // namespace kletochka
