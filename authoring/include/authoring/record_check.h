// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "authoring/problem.h"
#include "authoring/table_columns.h"
#include "bank/question_record.h"

namespace kletochka::authoring {

// One question to look at, with where it sits in the bank and, from a table, its line.
struct PlacedRecord {
    int line = 0;
    int round = 0;
    int cell = 0;
    QuestionRecord record;
    ColumnSet rejected;  // fields a table had wrong: reported already, not to be checked
};

// What would go wrong in play: a right answer outside 1..3, an empty text, a
// length byte above the capacity, a "&" (the window would hide it and underline the next letter).
void CheckRecord(const PlacedRecord& placed, ProblemList& problems);

// The text fields of a record with their column names, question first.
struct NamedField {
    Column column;
    const char* name;
    const ShortString* field;
};
std::vector<NamedField> TextFields(const QuestionRecord& record);

// The text field of a record in a text column (question, answer_a…answer_c).
ShortString& TextField(QuestionRecord& record, Column column);
const ShortString& TextField(const QuestionRecord& record, Column column);

// Those of its text fields that are to be checked.
std::vector<NamedField> CheckedTextFields(const PlacedRecord& placed);

}  // namespace kletochka::authoring
