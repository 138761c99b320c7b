// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <filesystem>
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

// A question table as read from CSV or .xlsx: its rows by bank position and all that is wrong with
// it.
struct QuestionTable {
    std::optional<TextEncoding> encoding;  // nothing when the bytes were never decoded
    char delimiter = ',';
    bool fromWorkbook = false;  // its lines are a sheet's rows, not lines of the file's bytes
    std::vector<std::string> ignoredColumns;
    std::array<std::optional<TableEntry>, QuestionBank::kRecords> entries;  // record i at [i - 1]
    ProblemList problems;
    // What may have been changed by a spreadsheet without a word; no bar to a bank.
    ProblemList warnings;

    // The bank, when all 63 rows are there and nothing is wrong.
    std::optional<QuestionBank::Records> bank() const;
};

// Reads the bytes of a CSV file; bad content becomes problems, never an exception.
QuestionTable ReadQuestionTable(std::string_view bytes);

// Reads the first sheet of an .xlsx workbook the same way. Only text cells are
// taken as they are: a formula, a number, a date in a text column is a problem,
// as what was typed there can no longer be told.
QuestionTable ReadQuestionWorkbook(std::string_view bytes);

// Whether a table of that name is an .xlsx workbook (by its extension, in any
// case); any other table is CSV.
bool IsWorkbookName(const std::filesystem::path& name);

// Whether the bytes start as a zip archive does, as every .xlsx file.
bool LooksLikeWorkbook(std::string_view bytes);

// The table in the bytes of a file of that name: a workbook when the name or
// the bytes say so, else CSV.
QuestionTable ReadQuestionFile(const std::filesystem::path& name, std::string_view bytes);

}  // namespace kletochka::authoring
