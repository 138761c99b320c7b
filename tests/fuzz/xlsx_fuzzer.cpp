// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as an .xlsx table for qbtool build: a bad archive or sheet must come
// out as problems, never as a crash or a runaway allocation, and a workbook that
// makes a bank must make it again from the workbook qbtool dump writes for it.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "authoring/problem.h"
#include "authoring/question_table.h"
#include "authoring/workbook.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kletochka::authoring;
    const QuestionTable table = ReadQuestionWorkbook({reinterpret_cast<const char*>(data), size});
    for (const Problem& problem : table.problems.kept()) {
        static_cast<void>(FormatProblem(problem));
    }
    const auto bank = table.bank();
    if (!bank) {
        return 0;
    }
    const QuestionTable again = ReadQuestionWorkbook(BankToWorkbook(*bank));
    const auto same = again.bank();
    if (!same || std::memcmp(same->data(), bank->data(), sizeof *bank) != 0) {
        std::abort();
    }
    return 0;
}
