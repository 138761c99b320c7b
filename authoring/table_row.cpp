// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/table_row.h"

#include <algorithm>

#include "authoring/field_values.h"
#include "authoring/record_check.h"

namespace kletochka::authoring {

namespace {

bool AllEmpty(const CsvRow& row) {
    return std::all_of(row.fields.begin(), row.fields.end(),
                       [](const std::string& f) { return f.empty(); });
}

}  // namespace

void AddTableRow(const CsvRow& row, const TableHeader& header, QuestionTable& table) {
    // Spreadsheets may save rows of empty cells below the table.
    if (AllEmpty(row)) {
        return;
    }
    Problem where{row.line, 0, 0, "", ""};
    if (row.fields.size() != header.fieldCount) {
        where.text = std::to_string(row.fields.size()) + " fields, but the first row has " +
                     std::to_string(header.fieldCount);
        where.fault = TableFault::FieldCount;
        where.count = static_cast<int>(row.fields.size());
        where.total = static_cast<int>(header.fieldCount);
        table.problems.add(where);
        return;
    }
    const auto field = [&](Column c) -> const std::string& { return row.fields[header.index[c]]; };
    ColumnSet rejected;
    // why holds what is wrong; the row gives the place.
    const auto reject = [&](Column c, Problem why) {
        why.line = where.line;
        why.round = where.round;
        why.cell = where.cell;
        why.field = std::string(kColumnNames[c]);
        table.problems.add(std::move(why));
        rejected.set(c);
    };

    Problem why;
    const std::optional<int> round = ParseIndex(field(kRound), QuestionBank::kRounds, why);
    if (!round) {
        reject(kRound, why);
    }
    const std::optional<int> cell = ParseIndex(field(kCell), QuestionBank::kCellsPerRound, why);
    if (!cell) {
        reject(kCell, why);
    }
    std::optional<TableEntry>* entry = nullptr;
    if (round && cell) {
        where.round = *round;
        where.cell = *cell;
        entry = &table.entries[static_cast<std::size_t>(RecordNumber(*round, *cell) - 1)];
        if (*entry) {
            where.text = "a second row for this question; the first is on line " +
                         std::to_string((*entry)->line);
            where.fault = TableFault::SecondRow;
            where.count = (*entry)->line;
            table.problems.add(where);
            return;
        }
    }

    QuestionRecord record;
    for (const Column c : {kQuestion, kAnswerA, kAnswerB, kAnswerC}) {
        if (const auto bytes = ParseText(field(c), why)) {
            TextField(record, c).assign(*bytes);
        } else {
            reject(c, why);
        }
    }
    if (const auto correct = ParseCorrect(field(kCorrect), why)) {
        record.setCorrect(*correct);
    } else {
        reject(kCorrect, why);
    }
    // Kept even with a rejected field, so that check still looks at the others.
    if (entry != nullptr) {
        *entry = TableEntry{row.line, record, rejected};
    }
}

}  // namespace kletochka::authoring
