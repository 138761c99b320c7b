// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "bank/question_bank.h"

namespace kletochka::test {

// A bank whose record i asks "Q<i>" with answers "A<i>", "B<i>", "C<i>" and
// right answer 1 + i % 3, each field's unused bytes filled with `filler`, so
// tests can tell banks and records apart and see that only lengths count.
QuestionBank::Records NumberedRecords(char tag = 'Q', char filler = '\0');

// The file bytes of the given records, as a bank file holds them.
std::string BankBytes(const QuestionBank::Records& records);

}  // namespace kletochka::test
