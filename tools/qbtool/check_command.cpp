// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include "authoring/bank_check.h"
#include "authoring/bank_loading.h"
#include "authoring/file_io.h"
#include "authoring/question_table.h"
#include "bank/error.h"
#include "qbtool/commands.h"
#include "qbtool/problem_report.h"

namespace kletochka::qbtool {

namespace {

const CommandInfo kCheck{"check",
                         R"(Usage: qbtool check FILE

Looks for everything that would go wrong in class, in a question bank (.qb)
or in a question table (.xlsx or .csv), and lists each problem on its own
line with its round and cell:

  - a right answer that is not A, B or C, so no team could ever get it right
  - an empty question or answer
  - a question or an answer too wide to fit on the screen
  - a "&" in a text (the game would hide it and underline the next letter)
  - a byte the game shows as a box: 0x98, which Windows-1251 leaves unused,
    or a control byte other than the tab (in a bank made by another program)
  - a text longer than )" + std::to_string(ShortString::kCapacity) +
                             R"( characters (in a bank made by another program)
  - a file longer than a bank's )" +
                             std::to_string(QuestionBank::kFileSize) +
                             R"( bytes (the extra bytes are ignored), or shorter,
    which the game cannot open; its whole questions are checked all the same
  - the same question asked twice
  - a round where one letter is the right answer more than 2 times in 3:
    a class soon learns to say that letter

At the end it shows how the right answers of each round are shared
between A, B and C; those lines are for information only.

For a table it also lists everything that qbtool build would refuse. A file
ending in .qb is read as a bank and one ending in .xlsx or .csv as a table;
any other is taken for a workbook when it is a zip archive, for a bank when
it holds zero bytes, else for a CSV table.

The status is 0 when there is nothing to fix, 1 otherwise.

Options:
  -h, --help   show this help

Example:
  qbtool check questions.xlsx
)",
                         1, Output::None};

enum class FileKind { Bank, Table };

// What the file's extension says it is, if anything.
std::optional<FileKind> KindByName(const std::filesystem::path& path) {
    std::string ext = path.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    if (ext == ".qb") {
        return FileKind::Bank;
    }
    if (ext == ".csv" || ext == ".xlsx") {
        return FileKind::Table;
    }
    return std::nullopt;
}

// A bank holds zero bytes (unused field bytes, the high bytes of the answer number); text does not.
FileKind KindByContent(const std::string& bytes) {
    if (LooksLikeWorkbook(bytes)) {
        return FileKind::Table;
    }
    return bytes.find('\0') != std::string::npos ? FileKind::Bank : FileKind::Table;
}

// The bank's whole records, or nothing after printing why it does not load.
std::optional<std::vector<PlacedRecord>> BankRecords(const std::filesystem::path& path,
                                                     ProblemList& problems, Console& io) {
    BankFile bank;
    try {
        bank = SalvageBank(path);
    } catch (const InOutError& e) {
        io.err << path.string() << ": " << e.what() << "\n";
        return std::nullopt;
    } catch (const Error& e) {
        io.err << e.what() << "\n";
        return std::nullopt;
    }
    if (!bank.loaderMessage.empty()) {
        io.err << path.string() << ": " << bank.loaderMessage << "\n";
    }
    CheckBankLength(bank.size, problems);
    std::vector<PlacedRecord> placed = PlaceBank(bank.records);
    placed.resize(static_cast<std::size_t>(bank.wholeRecords()));
    return placed;
}

std::vector<PlacedRecord> TableRecords(const std::filesystem::path& path, const std::string& bytes,
                                       ProblemList& problems, Console& io) {
    QuestionTable table = ReadQuestionFile(path, bytes);
    ReportReading(path, table, io.err);
    problems = table.problems;
    return PlaceTable(table);
}

}  // namespace

int RunCheck(const QStringList& args, Console& io) {
    const auto parsed = ParseCommand(args, kCheck, io);
    if (const int* status = std::get_if<int>(&parsed)) {
        return *status;
    }
    const std::filesystem::path& path = std::get<CommandArgs>(parsed).files[0];
    // A bank is read by the game's own loader, with its messages.
    std::optional<FileKind> kind = KindByName(path);
    std::string bytes;
    if (kind != FileKind::Bank) {
        bytes = ReadWholeFile(path, kMaxTableBytes);
        kind = kind.value_or(KindByContent(bytes));
    }
    ProblemList problems;
    std::vector<PlacedRecord> records;
    if (kind == FileKind::Bank) {
        io.err << "checking " << path.string() << " as a question bank\n";
        auto bank = BankRecords(path, problems, io);
        if (!bank) {
            return kFailure;
        }
        records = std::move(*bank);
    } else {
        io.err << "checking " << path.string() << " as a question table\n";
        records = TableRecords(path, bytes, problems, io);
    }
    const std::vector<std::string> shares = CheckQuestions(records, problems);
    ReportProblems(problems, ProblemList::kKept, io.out);
    io.out << "right answers in each round:\n";
    for (const std::string& line : shares) {
        io.out << "  " << line << "\n";
    }
    if (problems.empty()) {
        io.err << "no problems found\n";
        return kSuccess;
    }
    io.err << problems.count() << (problems.count() == 1 ? " problem" : " problems") << " found\n";
    return kFailure;
}

}  // namespace kletochka::qbtool
