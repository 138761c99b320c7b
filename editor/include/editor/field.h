// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "authoring/table_columns.h"
#include "bank/question_record.h"

namespace kletochka::editor {

// The parts of a question a person edits, in the order of the form.
enum class Field { Question, AnswerA, AnswerB, AnswerC, Correct };

inline constexpr Field kTextFields[] = {Field::Question, Field::AnswerA, Field::AnswerB,
                                        Field::AnswerC};

// The same part as a column of a question table, and back (round and cell are no field).
authoring::Column ColumnOf(Field field);
std::optional<Field> FieldOf(authoring::Column column);

// The text of a record in that field; field is not Correct.
const ShortString& TextIn(const QuestionRecord& record, Field field);
ShortString& TextIn(QuestionRecord& record, Field field);

}  // namespace kletochka::editor
