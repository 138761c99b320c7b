// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/bank_loading.h"
#include "authoring/bank_rows.h"
#include "authoring/file_io.h"
#include "qbtool/commands.h"

namespace kletochka::qbtool {

namespace {

const CommandInfo kDump{"dump",
                        R"(Usage: qbtool dump BANK.qb [-o TABLE.csv]

Turns a question bank (.qb) into a table that LibreOffice Calc or Excel can
open: a first row naming the columns

  round,cell,question,answer_a,answer_b,answer_c,correct

then one row for each of the )" +
                            std::to_string(QuestionBank::kRecords) +
                            R"( questions in the bank's order, with the texts
as the game shows them and the right answer as A, B or C. A right answer that
is not 1, 2 or 3 is written as its number. Without -o the table is printed.

Options:
  -o, --output TABLE.csv   save the table in this file, replacing it
  -h, --help               show this help

Example:
  qbtool dump default.qb -o questions.csv
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
    const std::string table = BankToTable(*records);
    if (!a.output) {
        io.out << table;
        return kSuccess;
    }
    ReplaceFile(*a.output, table);
    io.err << "wrote the " << QuestionBank::kRecords << " questions of " << bank.string() << " to "
           << a.output->string() << "\n";
    return kSuccess;
}

}  // namespace kletochka::qbtool
