// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "authoring/problem.h"

namespace kletochka::authoring {

// Each reads one field of a question table: the value, or nothing with `why`'s
// text set to a message a teacher can act on, and its fault to what is wrong.

// A whole number 1..max (surrounding spaces allowed).
std::optional<int> ParseIndex(std::string_view field, int max, Problem& why);

// The right answer: A, B, C or 1, 2, 3, either case.
std::optional<std::int32_t> ParseCorrect(std::string_view field, Problem& why);

// The first character of a text that a bank field cannot hold, since
// Windows-1251 has no place for it, and why, in words a teacher can act on.
struct UnstorableCharacter {
    qsizetype position = 0;  // in the text's UTF-16 units
    char32_t code = 0;
    std::string why;
};
std::optional<UnstorableCharacter> FindUnstorable(const QString& text);

// A UTF-8 text as the Windows-1251 bytes of a bank field, exactly as written.
std::optional<std::string> ParseText(std::string_view utf8, Problem& why);

}  // namespace kletochka::authoring
