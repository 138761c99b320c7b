// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/record_check.h"

#include "authoring/bank_rows.h"
#include "authoring/table_columns.h"

namespace kletochka::authoring {

std::vector<NamedField> TextFields(const QuestionRecord& record) {
    return {{kQuestion, kColumnNames[kQuestion].data(), &record.question},
            {kAnswerA, kColumnNames[kAnswerA].data(), &record.answerA},
            {kAnswerB, kColumnNames[kAnswerB].data(), &record.answerB},
            {kAnswerC, kColumnNames[kAnswerC].data(), &record.answerC}};
}

namespace {

template <class Record>
auto& TextFieldOf(Record& record, Column column) {
    switch (column) {
        case kAnswerA:
            return record.answerA;
        case kAnswerB:
            return record.answerB;
        case kAnswerC:
            return record.answerC;
        default:
            return record.question;
    }
}

}  // namespace

ShortString& TextField(QuestionRecord& record, Column column) {
    return TextFieldOf(record, column);
}

const ShortString& TextField(const QuestionRecord& record, Column column) {
    return TextFieldOf(record, column);
}

std::vector<NamedField> CheckedTextFields(const PlacedRecord& placed) {
    std::vector<NamedField> fields = TextFields(placed.record);
    std::erase_if(fields, [&](const NamedField& f) { return placed.rejected[f.column]; });
    return fields;
}

void CheckRecord(const PlacedRecord& placed, ProblemList& problems) {
    const auto report = [&](const char* column, ProblemKind kind, std::string text) {
        problems.add({placed.line, placed.round, placed.cell, column, std::move(text), kind});
    };
    const std::string capacity = std::to_string(ShortString::kCapacity);
    for (const NamedField& named : CheckedTextFields(placed)) {
        const ShortString& field = *named.field;
        if (field.overlong()) {
            report(named.name, ProblemKind::Overlong,
                   "length byte " + std::to_string(field.length) + " is above " + capacity +
                       "; the game shows only the first " + capacity + " characters");
        }
        if (field.view().empty()) {
            report(named.name, ProblemKind::Empty, "empty");
        }
        if (field.view().find('&') != std::string_view::npos) {
            report(named.name, ProblemKind::Ampersand,
                   "contains \"&\", which the game hides while underlining the next letter");
        }
    }
    const std::int32_t correct = placed.record.correct();
    if (!placed.rejected[kCorrect] && (correct < 1 || correct > 3)) {
        report(kColumnNames[kCorrect].data(), ProblemKind::NoRightAnswer,
               "the right answer is number " + CorrectText(correct) +
                   ", not 1, 2 or 3 (A, B or C): nobody can ever answer this question right");
    }
}

}  // namespace kletochka::authoring
