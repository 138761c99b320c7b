// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <bitset>
#include <optional>
#include <string_view>

#include "bank/question_bank.h"

namespace kletochka::authoring {

// The columns of a question table, in the order qbtool writes them.
enum Column { kRound, kCell, kQuestion, kAnswerA, kAnswerB, kAnswerC, kCorrect, kColumnCount };

using ColumnSet = std::bitset<kColumnCount>;

inline constexpr std::array<std::string_view, kColumnCount> kColumnNames = {
    "round", "cell", "question", "answer_a", "answer_b", "answer_c", "correct"};

// The column of that name, if it is one of ours.
constexpr std::optional<Column> ColumnNamed(std::string_view name) {
    for (int c = 0; c < kColumnCount; ++c) {
        if (kColumnNames[static_cast<std::size_t>(c)] == name) {
            return static_cast<Column>(c);
        }
    }
    return std::nullopt;
}

// Bank record 1..63 of round 1..7 and cell 1..9, and back.
constexpr int RecordNumber(int round, int cell) {
    return (round - 1) * QuestionBank::kCellsPerRound + cell;
}
constexpr int RoundOf(int record) {
    return (record - 1) / QuestionBank::kCellsPerRound + 1;
}
constexpr int CellOf(int record) {
    return (record - 1) % QuestionBank::kCellsPerRound + 1;
}

}  // namespace kletochka::authoring
