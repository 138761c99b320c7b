// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "authoring/problem.h"
#include "authoring/record_check.h"

namespace kletochka::authoring {

// A question asked again elsewhere in the bank, ignoring case and extra spaces.
void CheckRepeats(const std::vector<PlacedRecord>& records, ProblemList& problems);

}  // namespace kletochka::authoring
