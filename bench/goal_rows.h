// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

namespace kletochka::bench {

// A benchmark's line in the table and the time it must stay under.
struct Goal {
    const char* benchmark;  // the function's name, e.g. "BM_OpenBank"
    const char* measure;
    double limitMs;
    const char* goal;
    // Wall time where the wait is the disk's; otherwise CPU time, since on a
    // shared machine the wall clock mostly measures the neighbours.
    bool wallClock = false;
};

// Runs the benchmarks Google Benchmark was initialised with, its own report on
// stderr, then prints a table row (see report.h) for each goal.
void RunWithGoals(std::span<const Goal> goals);

}  // namespace kletochka::bench
