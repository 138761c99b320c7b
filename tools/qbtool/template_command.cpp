// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/bank_rows.h"
#include "authoring/file_io.h"
#include "authoring/question_table.h"
#include "authoring/workbook.h"
#include "qbtool/commands.h"

namespace kletochka::qbtool {

namespace {

const CommandInfo kTemplate{"template",
                            R"(Usage: qbtool template -o TABLE.xlsx [--force]
       qbtool template -o TABLE.csv [--semicolons] [--force]

Writes an empty table of questions to fill in LibreOffice Calc or Excel: a
first row naming the columns, then )" +
                                std::to_string(QuestionBank::kRecords) +
                                R"( rows with the round (1 to 7) and the
cell (1 to 9) already filled in and everything else empty.

A name ending in .xlsx makes a workbook whose cells are formatted as text,
so whatever is typed stays as typed ("007", "1/2", "=2+2"): the best choice.
Any other name makes a CSV file, which a spreadsheet may change on saving.

How to make a bank:
  1. qbtool template -o questions.xlsx
  2. Open questions.xlsx in the spreadsheet. In each row write the question,
     its three answers, and in the "correct" column the letter of the right
     one: A, B or C. Keep the texts short: a question must fit one line of
     the screen and an answer about a dozen letters.
  3. Save it, keeping the .xlsx format.
  4. qbtool check questions.xlsx     lists anything to fix
  5. qbtool build questions.xlsx -o lesson.qb

Options:
  -o, --output TABLE       the table to write
  --semicolons             for CSV: separate the columns with ";" instead
                           of ",", as Excel expects on a Russian system
  --force                  replace TABLE if it exists (its questions
                           are lost); without it qbtool refuses
  -h, --help               show this help

Example:
  qbtool template -o questions.xlsx
)",
                            0,
                            Output::Required,
                            {"semicolons", "force"}};

}  // namespace

int RunTemplate(const QStringList& args, Console& io) {
    const auto parsed = ParseCommand(args, kTemplate, io);
    if (const int* status = std::get_if<int>(&parsed)) {
        return *status;
    }
    const CommandArgs& a = std::get<CommandArgs>(parsed);
    std::error_code ec;
    // A filled-in table is a teacher's evening of work: never replace it unasked.
    if (std::filesystem::exists(*a.output, ec) && !a.has("force")) {
        io.err << a.output->string()
               << " already exists; nothing written (use --force to replace it)\n";
        return kFailure;
    }
    ReplaceFile(*a.output, IsWorkbookName(*a.output) ? EmptyWorkbook()
                                                     : EmptyTable(a.has("semicolons") ? ';' : ','));
    io.err << "wrote an empty table of " << QuestionBank::kRecords << " questions to "
           << a.output->string() << "; fill it in, then run qbtool check and qbtool build\n";
    return kSuccess;
}

}  // namespace kletochka::qbtool
