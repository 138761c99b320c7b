// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/record_check.h"

#include <algorithm>

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

// 0x98 has no character in Windows-1251 and the control bytes none to draw; a tab
// is drawn as a space.
bool DrawnAsBox(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte == 0x98 || byte == 0x7F || (byte < 0x20 && byte != '\t');
}

std::string HexByte(unsigned char byte) {
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    return std::string("0x") + kDigits[byte >> 4] + kDigits[byte & 0xF];
}

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
        const std::string_view text = field.view();
        if (const auto box = std::find_if(text.begin(), text.end(), DrawnAsBox);
            box != text.end()) {
            const auto place = static_cast<int>(box - text.begin()) + 1;
            problems.add({placed.line, placed.round, placed.cell, named.name,
                          "character " + std::to_string(place) + " is the byte " +
                              HexByte(static_cast<unsigned char>(*box)) +
                              ", which the game shows as a box",
                          ProblemKind::Box, 0, place, 0});
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
