// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "editor/bank_problem.h"

namespace kletochka::editor {

// What is wrong with a table's line or a bank's file, in the user's language,
// from the problem's fault and what it names; empty for a problem of a question.
QString FaultWords(const BankProblem& problem);

}  // namespace kletochka::editor
