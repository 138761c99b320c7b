// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <exception>

#include "bank/error.h"
#include "qbtool/commands.h"

namespace kletochka::qbtool {

namespace {

const char* const kHelp =
    R"(qbtool makes, reads and checks question banks for the game "Турнир-клеточка".

Usage: qbtool COMMAND [FILES AND OPTIONS]

Commands:
  template   write an empty table of questions to fill in a spreadsheet
  build      turn a filled table (CSV) into a question bank (.qb)
  check      find mistakes in a table or a bank before the lesson
  dump       turn a question bank back into a table
  sheet      make the host's printable answer sheet of a bank

A bank step by step:
  1. qbtool template -o questions.xlsx
  2. fill questions.xlsx in LibreOffice Calc or Excel and save it as .xlsx
  3. qbtool check questions.xlsx
  4. qbtool build questions.xlsx -o lesson.qb
  5. qbtool sheet lesson.qb -o answers.html, and print it for the host
  6. in the game, load lesson.qb with the button that opens a question file

"qbtool COMMAND --help" tells more about each command, with an example.

Options:
  -h, --help      show this help
  -v, --version   show qbtool's version
)";

struct Command {
    const char* name;
    int (*run)(const QStringList&, Console&);
};

constexpr std::array<Command, 5> kCommands{{
    {"build", RunBuild},
    {"check", RunCheck},
    {"dump", RunDump},
    {"sheet", RunSheet},
    {"template", RunTemplate},
}};

int RunCommand(const Command& command, const QStringList& args, Console& io) {
    try {
        const int status = command.run(args, io);
        // Data lost on the way out (a full disk behind a redirection) is a failure.
        if (!io.out.flush()) {
            throw Error("cannot write the output");
        }
        return status;
    } catch (const std::exception& e) {
        io.err << "qbtool " << command.name << ": " << e.what() << "\n";
        return kFailure;
    }
}

}  // namespace

int RunQbtool(const QStringList& args, Console& io) {
    const QString first = args.value(1);
    if (first == "-h" || first == "--help" || first == "help") {
        io.out << kHelp;
        return kSuccess;
    }
    if (first == "-v" || first == "--version") {
        io.out << "qbtool " << KLETOCHKA_VERSION << "\n";
        return kSuccess;
    }
    for (const Command& command : kCommands) {
        if (first == QLatin1String(command.name)) {
            return RunCommand(command, args.mid(2), io);
        }
    }
    io.err << (first.isEmpty() ? std::string("qbtool: say what to do")
                               : "qbtool: there is no command \"" + first.toStdString() + "\"")
           << "\n\n"
           << kHelp;
    return kUsage;
}

}  // namespace kletochka::qbtool
