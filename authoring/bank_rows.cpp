// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/bank_rows.h"

#include "authoring/csv_writer.h"
#include "authoring/table_columns.h"
#include "widgets/display_text.h"

namespace kletochka::authoring {

std::string TableHeader(char delimiter) {
    std::vector<CsvField> names;
    for (const auto name : kColumnNames) {
        names.push_back(Bare(std::string(name)));
    }
    std::string out;
    AppendCsvRow(out, names, delimiter);
    return out;
}

namespace {

CsvField Text(const ShortString& field, TableFlavour flavour) {
    return Quoted(flavour == TableFlavour::Utf8Comma ? DisplayText(field).toStdString()
                                                     : std::string(field.view()));
}

}  // namespace

std::string CorrectText(std::int32_t correct) {
    return correct >= 1 && correct <= 3 ? std::string(1, static_cast<char>('A' + correct - 1))
                                        : std::to_string(correct);
}

std::string BankToTable(const QuestionBank::Records& records, TableFlavour flavour) {
    const char delimiter = flavour == TableFlavour::Utf8Comma ? ',' : ';';
    std::string out = TableHeader(delimiter);
    for (int i = 1; i <= QuestionBank::kRecords; ++i) {
        const QuestionRecord& r = records[static_cast<std::size_t>(i - 1)];
        AppendCsvRow(out,
                     {Bare(std::to_string(RoundOf(i))), Bare(std::to_string(CellOf(i))),
                      Text(r.question, flavour), Text(r.answerA, flavour), Text(r.answerB, flavour),
                      Text(r.answerC, flavour), Bare(CorrectText(r.correct()))},
                     delimiter);
    }
    return out;
}

std::string EmptyTable(char delimiter) {
    std::string out = TableHeader(delimiter);
    for (int i = 1; i <= QuestionBank::kRecords; ++i) {
        AppendCsvRow(out,
                     {Bare(std::to_string(RoundOf(i))), Bare(std::to_string(CellOf(i))), Quoted(""),
                      Quoted(""), Quoted(""), Quoted(""), Bare("")},
                     delimiter);
    }
    return out;
}

}  // namespace kletochka::authoring
