// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "authoring/csv_reader.h"
#include "authoring/question_table.h"
#include "authoring/table_header.h"

namespace kletochka::authoring {

// Turns one data row into its bank record, or adds to the table's problems why it cannot be.
void AddTableRow(const CsvRow& row, const TableHeader& header, QuestionTable& table);

}  // namespace kletochka::authoring
