// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "bank/question_bank.h"

namespace kletochka::authoring {

// The bank as an .xlsx workbook with the same rows as a CSV table: the column
// names, then the 63 records in file order with their texts as the game shows
// them. Every cell is text and formatted as text, so no spreadsheet turns
// "007" into 7 or "=2+2" into 4, on opening or on saving.
std::string BankToWorkbook(const QuestionBank::Records& records);

// The column names and 63 rows with round and cell filled in, everything else
// empty; the cells a teacher types into are formatted as text.
std::string EmptyWorkbook();

}  // namespace kletochka::authoring
