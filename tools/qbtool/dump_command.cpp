// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/bank_loading.h"
#include "authoring/bank_rows.h"
#include "authoring/file_io.h"
#include "authoring/question_table.h"
#include "authoring/workbook.h"
#include "qbtool/commands.h"

namespace kletochka::qbtool {

namespace {

const CommandInfo kDump{"dump",
                        R"(Usage: qbtool dump BANK.qb [-o TABLE.xlsx | -o TABLE.csv]

Turns a question bank (.qb) into a table that LibreOffice Calc or Excel can
open: a first row naming the columns

  round,cell,question,answer_a,answer_b,answer_c,correct

then one row for each of the )" +
                            std::to_string(QuestionBank::kRecords) +
                            R"( questions in the bank's order, with the texts
as the game shows them and the right answer as A, B or C. A right answer that
is not 1, 2 or 3 is written as its number. Without -o the table is printed
as CSV.

A name ending in .xlsx makes a workbook with every cell formatted as text:
the spreadsheet keeps "007", "1e5" and "=2+2" as they are, through opening
and saving, and qbtool build makes the same bank of it again. A name ending
in anything else makes a CSV file (UTF-8, columns separated by ","), which a
spreadsheet may change on opening: 007 becomes 7.

Options:
  -o, --output TABLE       save the table in this file, replacing it
  -h, --help               show this help

Example:
  qbtool dump default.qb -o questions.xlsx
)",
                        1, Output::Optional};

}  // namespace

int RunDump(const QStringList& args, Console& io) {
    const auto parsed = ParseCommand(args, kDump, io);
    if (const int* status = std::get_if<int>(&parsed)) {
        return *status;
    }
    const CommandArgs& a = std::get<CommandArgs>(parsed);
    const std::filesystem::path& bank = a.files[0];
    const auto records = LoadBank(bank, io.err);
    if (!records) {
        return kFailure;
    }
    if (!a.output) {
        io.out << BankToTable(*records);
        return kSuccess;
    }
    ReplaceFile(*a.output,
                IsWorkbookName(*a.output) ? BankToWorkbook(*records) : BankToTable(*records));
    io.err << "wrote the " << QuestionBank::kRecords << " questions of " << bank.string() << " to "
           << a.output->string() << "\n";
    return kSuccess;
}

}  // namespace kletochka::qbtool
