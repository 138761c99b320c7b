// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/bank_loading.h"
#include "authoring/file_io.h"
#include "authoring/question_table.h"
#include "qbtool/commands.h"
#include "qbtool/problem_report.h"

namespace kletochka::qbtool {

namespace {

const CommandInfo kBuild{"build",
                         R"(Usage: qbtool build TABLE.xlsx -o BANK.qb
       qbtool build TABLE.csv -o BANK.qb

Makes a question bank for the game from a table: an .xlsx workbook (the
first sheet) or a CSV file saved by a spreadsheet. The first row names the
columns:

  round,cell,question,answer_a,answer_b,answer_c,correct

then comes one row for each of the )" +
                             std::to_string(QuestionBank::kRecords) +
                             R"( questions: the round (1 to 7), the cell
(1 to 9, row by row from the top left: А Б В / Г Д Е / Ж З И), the question,
its three answers, and the right answer as A, B or C (or 1, 2, 3).

  - Rows may come in any order; empty rows are skipped.
  - In a workbook, questions and answers must be text cells: a formula, a
    number or a date there is refused, as what was typed can no longer be
    told ("007" becomes 7). The tables qbtool template and qbtool dump write
    have every cell formatted as text, so this does not happen in them.
  - In CSV, columns may be separated by commas or by semicolons, and the file
    may be UTF-8 (with or without a byte order mark) or Windows-1251, what
    Excel saves as "CSV" on a Russian system; qbtool says which it found. A
    text that looks like a number a spreadsheet rewrote ("1.00E+05") is
    built as it is, with a warning.
  - Texts are kept exactly as written, spaces included, up to )" +
                             std::to_string(ShortString::kCapacity) + R"( characters,
    in Russian and English letters, digits and common signs.
  - Empty texts are accepted, since a bank may hold them, but qbtool check
    lists them: check the table before the lesson. A row without its right
    answer is refused, so an unfilled template does not become a bank.

If anything is wrong, qbtool lists each mistake with its line and column and
writes nothing: an old BANK.qb stays as it was.

Options:
  -o, --output BANK.qb   the bank to write
  -h, --help             show this help

Example:
  qbtool build questions.xlsx -o lesson.qb
)",
                         1, Output::Required};

}  // namespace

int RunBuild(const QStringList& args, Console& io) {
    const auto parsed = ParseCommand(args, kBuild, io);
    if (const int* status = std::get_if<int>(&parsed)) {
        return *status;
    }
    const CommandArgs& a = std::get<CommandArgs>(parsed);
    const std::filesystem::path& source = a.files[0];
    const std::filesystem::path& target = *a.output;
    const QuestionTable table = ReadQuestionFile(source, ReadWholeFile(source, kMaxTableBytes));
    ReportReading(source, table, io.err);
    const auto records = table.bank();
    if (!records) {
        ReportProblems(table.problems, kShownByBuild, io.err);
        io.err << "nothing written: fix the table and build again\n";
        return kFailure;
    }
    WriteBank(target, *records);
    ReportEmptyTexts(*records, io.err);
    io.err << "wrote " << QuestionBank::kRecords << " questions to " << target.string() << "\n";
    return kSuccess;
}

}  // namespace kletochka::qbtool
