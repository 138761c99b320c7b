// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace kletochka {

// Cells are numbered 1..9 row by row from the top left.
inline constexpr int kBoardCells = 9;

// The board letter of cell 1 <= n <= 9 in UTF-8: А, Б, В, Г, Д, Е, Ж, З, И;
// "?" for any other n.
constexpr std::string_view CellLetter(int n) {
    constexpr std::array<std::string_view, kBoardCells> kLetters = {"А", "Б", "В", "Г", "Д",
                                                                    "Е", "Ж", "З", "И"};
    return n >= 1 && n <= kBoardCells ? kLetters[static_cast<std::size_t>(n - 1)] : "?";
}

// The eight lines of three: rows, columns, then the two diagonals.
using Line = std::array<int, 3>;
inline constexpr std::array<Line, 8> kLines = {
    {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {1, 4, 7}, {2, 5, 8}, {3, 6, 9}, {1, 5, 9}, {3, 5, 7}}};

}  // namespace kletochka
