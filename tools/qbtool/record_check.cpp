// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_check.h"

#include "bank_rows.h"
#include "table_columns.h"

namespace kletochka::qbtool {

std::vector<NamedField> TextFields(const QuestionRecord& record) {
    return {{kColumnNames[kQuestion].data(), &record.question},
            {kColumnNames[kAnswerA].data(), &record.answerA},
            {kColumnNames[kAnswerB].data(), &record.answerB},
            {kColumnNames[kAnswerC].data(), &record.answerC}};
}

void CheckRecord(const PlacedRecord& placed, ProblemList& problems) {
    const auto report = [&](const char* column, std::string text) {
        problems.add({placed.line, placed.round, placed.cell, column, std::move(text)});
    };
    for (const NamedField& named : TextFields(placed.record)) {
        const ShortString& field = *named.field;
        if (field.overlong()) {
            report(named.column, "length byte " + std::to_string(field.length) +
                                     " is above 70; the game shows only the first 70 characters");
        }
        if (field.view().empty()) {
            report(named.column, "empty");
        }
        if (field.view().find('&') != std::string_view::npos) {
            report(named.column,
                   "contains \"&\", which the game hides while underlining the next letter");
        }
    }
    const std::int32_t correct = placed.record.correct();
    if (correct < 1 || correct > 3) {
        report(kColumnNames[kCorrect].data(),
               "the right answer is number " + CorrectText(correct) +
                   ", not 1, 2 or 3 (A, B or C): nobody can ever answer this question right");
    }
}

}  // namespace kletochka::qbtool
