// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "goal_rows.h"

#include <benchmark/benchmark.h>

#include <iostream>
#include <vector>

#include "report.h"

namespace kletochka::bench {

namespace {

// The console report goes to stderr; the runs are kept for the table.
class RowReporter : public benchmark::ConsoleReporter {
  public:
    std::vector<Run> runs;
    void ReportRuns(const std::vector<Run>& report) override {
        ConsoleReporter::ReportRuns(report);
        runs.insert(runs.end(), report.begin(), report.end());
    }
};

// Google Benchmark gives times in units of which the multiplier makes one second.
double ToMs(double time, benchmark::TimeUnit unit) {
    return time / benchmark::GetTimeUnitMultiplier(unit) * 1e3;
}

}  // namespace

void RunWithGoals(std::span<const Goal> goals) {
    RowReporter reporter;
    reporter.SetOutputStream(&std::cerr);
    reporter.SetErrorStream(&std::cerr);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const auto& run : reporter.runs) {
        for (const Goal& goal : goals) {
            if (run.run_type == benchmark::BenchmarkReporter::Run::RT_Iteration &&
                run.run_name.function_name == goal.benchmark) {
                const double ms =
                    ToMs(goal.wallClock ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime(),
                         run.time_unit);
                const bool small = ms < 0.1;
                PrintRow({goal.measure, small ? Fixed(ms * 1e3, 2) + " us" : Fixed(ms, 2) + " ms",
                          "-", "-", goal.goal, Met(ms < goal.limitMs)});
            }
        }
    }
}

}  // namespace kletochka::bench
