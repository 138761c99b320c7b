// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/field.h"

#include "authoring/record_check.h"

namespace kletochka::editor {

using authoring::Column;

// Field follows the table's columns from the question on.
static_assert(authoring::kAnswerA - authoring::kQuestion == static_cast<int>(Field::AnswerA));
static_assert(authoring::kCorrect - authoring::kQuestion == static_cast<int>(Field::Correct));

Column ColumnOf(Field field) {
    return static_cast<Column>(authoring::kQuestion + static_cast<int>(field));
}

std::optional<Field> FieldOf(Column column) {
    if (column < authoring::kQuestion || column > authoring::kCorrect) {
        return std::nullopt;
    }
    return static_cast<Field>(column - authoring::kQuestion);
}

const ShortString& TextIn(const QuestionRecord& record, Field field) {
    return authoring::TextField(record, ColumnOf(field));
}

ShortString& TextIn(QuestionRecord& record, Field field) {
    return authoring::TextField(record, ColumnOf(field));
}

}  // namespace kletochka::editor
