// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "authoring/problem.h"
#include "authoring/record_check.h"

namespace kletochka::authoring {

// Reports a question or an answer too wide for its place on the screen.
// Needs a QGuiApplication.
void CheckFit(const PlacedRecord& placed, ProblemList& problems);

}  // namespace kletochka::authoring
