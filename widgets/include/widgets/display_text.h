// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "bank/question_record.h"

namespace kletochka {

// The text a field shows: exactly its significant characters, decoded from Windows-1251.
QString DisplayText(const ShortString& field);

// Every byte is one character; 0x98, unassigned in the code page, is U+0098.
QString DecodeWindows1251(std::string_view bytes);

// The Windows-1251 bytes of text, or nothing when a character has no place in that code page.
std::optional<std::string> EncodeWindows1251(const QString& text);

}  // namespace kletochka
