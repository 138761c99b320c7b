// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/bank_loading.h"
#include "authoring/file_io.h"
#include "authoring/host_sheet.h"
#include "qbtool/commands.h"

namespace kletochka::qbtool {

namespace {

const CommandInfo kSheet{"sheet", R"(Usage: qbtool sheet BANK.qb -o SHEET.html

Makes the host's answer sheet for a question bank, to print before the
lesson: one page for each of the seven rounds, with the 3 × 3 board, each
cell's letter (А to И), its question and three answers, the right answer
marked with a frame and a tick, and an empty box for each team's score,
since the game keeps no score: the host does.

Open SHEET.html in any web browser and print it (A4, portrait). It needs
no other files.

Options:
  -o, --output SHEET.html   the sheet to write, replacing it
  -h, --help                show this help

Example:
  qbtool sheet lesson.qb -o answers.html
)",
                         1, Output::Required};

}  // namespace

int RunSheet(const QStringList& args, Console& io) {
    const auto parsed = ParseCommand(args, kSheet, io);
    if (const int* status = std::get_if<int>(&parsed)) {
        return *status;
    }
    const CommandArgs& a = std::get<CommandArgs>(parsed);
    const auto records = LoadBank(a.files[0], io.err);
    if (!records) {
        return kFailure;
    }
    ReplaceFile(*a.output, HostSheet(*records, a.files[0].filename().string()));
    io.err << "wrote the host's sheet of " << a.files[0].string() << " to " << a.output->string()
           << "\n";
    return kSuccess;
}

}  // namespace kletochka::qbtool
