// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "bank/question_bank.h"

namespace kletochka::test {

// The right answer (1, 2, 3 for A, B, C) of record i (1..63) of a numbered bank.
constexpr int NumberedRight(int record) {
    return 1 + record % 3;
}
// That of round k's question in cell n.
constexpr int NumberedRight(int round, int cell) {
    return NumberedRight((round - 1) * QuestionBank::kCellsPerRound + cell);
}
// An answer other than `answer`: the next letter, C followed by A.
constexpr int OtherAnswer(int answer) {
    return answer % 3 + 1;
}

// A bank whose record i asks "Q<i>" with answers "A<i>", "B<i>", "C<i>" and
// right answer NumberedRight(i), each field's unused bytes filled with `filler`,
// so tests can tell banks and records apart and see that only lengths count.
QuestionBank::Records NumberedRecords(char tag = 'Q', char filler = '\0');

// The file bytes of the given records, as a bank file holds them.
std::string BankBytes(const QuestionBank::Records& records);

}  // namespace kletochka::test
