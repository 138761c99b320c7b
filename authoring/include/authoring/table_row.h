// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "authoring/csv_reader.h"
#include "authoring/question_table.h"
#include "authoring/table_header.h"

namespace kletochka::authoring {

// Turns one data row into its bank record, or adds to the table's problems why it cannot be.
void AddTableRow(const CsvRow& row, const TableHeader& header, QuestionTable& table);

// Builds a table row by row: the first row names the columns, each next one is a question.
class TableRows {
  public:
    explicit TableRows(QuestionTable& table) : m_table(table) {}
    // False when the first row does not name the columns, so nothing more can be read.
    bool add(const CsvRow& row);
    const std::optional<TableHeader>& header() const { return m_header; }
    // After the last row: what no row said (no rows, no questions, a question without a row).
    void finish();

  private:
    QuestionTable& m_table;
    std::optional<TableHeader> m_header;
    bool m_anyRow = false;
};

// The round and the cell a row of the header's width names, each 0 where it names none.
struct RowPlace {
    int round = 0;
    int cell = 0;
};
RowPlace PlaceOfRow(const CsvRow& row, const TableHeader& header);

// Adds to the table's warnings each text of the row that looks rewritten by a
// spreadsheet: a number in exponent form such as "1.00E+05".
void WarnRewritten(const CsvRow& row, const TableHeader& header, QuestionTable& table);

}  // namespace kletochka::authoring
