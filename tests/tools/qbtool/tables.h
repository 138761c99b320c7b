// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kletochka::test {

// The lines of a good question table: the header, then rounds 1..7 and cells 1..9
// in order, so that line n + 1 holds bank record n. Record n asks "Вопрос n?"
// with answers "а n", "б n", "в n" and right answer NumberedRight(n) as a letter.
std::vector<std::string> GoodLines();

// The lines joined, each ended by eol.
std::string Joined(const std::vector<std::string>& lines, const std::string& eol = "\r\n");

// How many times `what` occurs in text, overlaps counted.
std::size_t Occurrences(const std::string& text, const std::string& what);

// The Windows-1251 bytes of a UTF-8 text.
std::string Cp1251(const std::string& utf8);

}  // namespace kletochka::test
