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

bool TableRows::add(const CsvRow& row) {
    if (m_header) {
        m_anyRow = true;
        AddTableRow(row, *m_header, m_table);
        return true;
    }
    Problem why;
    m_header = ReadHeader(row, why);
    if (!m_header) {
        why.line = row.line;
        m_table.problems.add(std::move(why));
        return false;
    }
    m_table.ignoredColumns = m_header->ignored;
    return true;
}

void TableRows::finish() {
    const auto add = [this](int round, int cell, const char* words, TableFault fault) {
        Problem p{0, round, cell, "", words};
        p.fault = fault;
        m_table.problems.add(std::move(p));
    };
    if (!m_header) {
        add(0, 0, "the file has no rows", TableFault::NoRows);
    } else if (!m_anyRow) {
        add(0, 0, "the table has a first row of column names but no questions",
            TableFault::NoQuestions);
    } else {
        for (int i = 1; i <= QuestionBank::kRecords; ++i) {
            if (!m_table.entries[static_cast<std::size_t>(i - 1)]) {
                add(RoundOf(i), CellOf(i), "no row for this question", TableFault::RowMissing);
            }
        }
    }
}

namespace {

bool SkipDigits(std::string_view s, std::size_t& i) {
    const std::size_t start = i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        ++i;
    }
    return i > start;
}

// "1.00E+05", "-2,5E-07": how a spreadsheet shows a number it took a text for.
bool LooksRewritten(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        ++i;
    }
    if (!SkipDigits(s, i)) {
        return false;
    }
    if (i < s.size() && (s[i] == '.' || s[i] == ',') && !SkipDigits(s, ++i)) {
        return false;
    }
    if (i + 1 >= s.size() || s[i] != 'E' || (s[i + 1] != '+' && s[i + 1] != '-')) {
        return false;
    }
    i += 2;
    return SkipDigits(s, i) && i == s.size();
}

}  // namespace

RowPlace PlaceOfRow(const CsvRow& row, const TableHeader& header) {
    Problem unused;
    const auto field = [&](Column c) -> const std::string& { return row.fields[header.index[c]]; };
    return {ParseIndex(field(kRound), QuestionBank::kRounds, unused).value_or(0),
            ParseIndex(field(kCell), QuestionBank::kCellsPerRound, unused).value_or(0)};
}

void WarnRewritten(const CsvRow& row, const TableHeader& header, QuestionTable& table) {
    if (row.fields.size() != header.fieldCount) {
        return;
    }
    const auto field = [&](Column c) -> const std::string& { return row.fields[header.index[c]]; };
    const RowPlace place = PlaceOfRow(row, header);
    for (const Column c : {kQuestion, kAnswerA, kAnswerB, kAnswerC}) {
        if (LooksRewritten(field(c))) {
            Problem p{row.line, place.round, place.cell, std::string(kColumnNames[c]),
                      "\"" + field(c) +
                          "\" looks like a number a spreadsheet rewrote in exponent form: "
                          "check that it is what was written (an .xlsx table keeps texts as "
                          "they are typed)"};
            p.kind = ProblemKind::Rewritten;
            p.value = field(c);
            table.warnings.add(std::move(p));
        }
    }
}

}  // namespace kletochka::authoring
