// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "authoring/problem.h"
#include "authoring/record_check.h"

namespace kletochka::authoring {

// How the right answers of each round fall on A, B and C: one line per round
// to show, and a problem for a round whose nine right answers are all chosen
// and one letter has more than two thirds of them (a class soon learns to say that letter).
std::vector<std::string> CheckAnswerBalance(const std::vector<PlacedRecord>& records,
                                            ProblemList& problems);

}  // namespace kletochka::authoring
