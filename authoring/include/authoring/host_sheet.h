// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "bank/question_bank.h"

namespace kletochka::authoring {

// The host's printable sheet of a bank as one self-contained HTML page: per
// round a printed page with the 3 × 3 board, each cell's letter, question and
// answers with the right one marked, and an empty tally box for each team.
// title names the bank; every text is HTML-escaped.
std::string HostSheet(const QuestionBank::Records& records, const std::string& title);

}  // namespace kletochka::authoring
