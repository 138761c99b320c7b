// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a question table for qbtool build: bad content must come out as
// problems, never as a crash, and a table that makes a bank must make it again
// from the table qbtool dump writes for that bank.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "authoring/bank_rows.h"
#include "authoring/problem.h"
#include "authoring/question_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kletochka::authoring;
    const QuestionTable table = ReadQuestionTable({reinterpret_cast<const char*>(data), size});
    for (const Problem& problem : table.problems.kept()) {
        static_cast<void>(FormatProblem(problem));
    }
    const auto bank = table.bank();
    if (!bank) {
        return 0;
    }
    const QuestionTable again = ReadQuestionTable(BankToTable(*bank));
    const auto same = again.bank();
    if (!same || std::memcmp(same->data(), bank->data(), sizeof *bank) != 0) {
        std::abort();
    }
    return 0;
}
