// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "authoring/problem.h"
#include "authoring/table_columns.h"
#include "authoring/text_encoding.h"
#include "bank/question_bank.h"

namespace kletochka::authoring {

// Far more than any table of 63 questions, small enough to read at once.
inline constexpr std::size_t kMaxTableBytes = 32 * 1024 * 1024;

struct TableEntry {
    int line = 0;
    QuestionRecord record;
    ColumnSet rejected;  // fields of the row that were wrong, left empty in record
};

// A question table as read from CSV: its rows by bank position and all that is wrong with it.
struct QuestionTable {
    std::optional<TextEncoding> encoding;  // nothing when the bytes were never decoded
    char delimiter = ',';
    std::vector<std::string> ignoredColumns;
    std::array<std::optional<TableEntry>, QuestionBank::kRecords> entries;  // record i at [i - 1]
    ProblemList problems;

    // The bank, when all 63 rows are there and nothing is wrong.
    std::optional<QuestionBank::Records> bank() const;
};

// Reads the bytes of a CSV file; bad content becomes problems, never an exception.
QuestionTable ReadQuestionTable(std::string_view bytes);

}  // namespace kletochka::authoring
