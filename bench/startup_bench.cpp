// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up to first paint and peak memory of the game against the bare-window
// baseline: runs both in turn from the same folder, each quitting after its
// first paint, and prints table rows: the lower quartile of the start-up times, the median of the
// peak memory.
//
//   startup_bench <runs> <label> <folder> <game> <baseline>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "clock.h"
#include "report.h"

namespace {

using kletochka::bench::Fixed;
using kletochka::bench::LowerQuartile;
using kletochka::bench::Median;
using kletochka::bench::MonotonicNs;

constexpr int kTimeoutMs = 30000;

struct Run {
    double firstPaintMs;
    double peakMiB;
    std::string libraries;  // "<count> <names...>"
};

// Reads the child's output until it closes it, or gives up after the timeout.
std::optional<std::string> ReadAll(int fd) {
    std::string text;
    const long long deadline = MonotonicNs() + kTimeoutMs * 1000000LL;
    for (;;) {
        pollfd watch{fd, POLLIN, 0};
        const int left = static_cast<int>((deadline - MonotonicNs()) / 1000000);
        if (left <= 0 || poll(&watch, 1, left) <= 0) {
            return std::nullopt;
        }
        char buffer[512];
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got <= 0) {
            return text;
        }
        text.append(buffer, static_cast<std::size_t>(got));
    }
}

std::optional<Run> RunOnce(const std::string& folder, const std::string& program) {
    int out[2];
    if (pipe(out) != 0) {
        return std::nullopt;
    }
    const long long launched = MonotonicNs();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        if (chdir(folder.c_str()) != 0) {
            _exit(126);
        }
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    const std::optional<std::string> output = ReadAll(out[0]);
    close(out[0]);
    if (!output) {
        kill(pid, SIGKILL);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const std::size_t at = output ? output->find("first-paint-ns ") : std::string::npos;
    if (at == std::string::npos || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "startup_bench: %s did not paint and quit cleanly\n", program.c_str());
        return std::nullopt;
    }
    const long long painted = std::atoll(output->c_str() + at + 15);
    const std::size_t libs = output->find("first-paint-libs ");
    const std::string libraries =
        libs == std::string::npos ? "0"
                                  : output->substr(libs + 17, output->find('\n', libs) - libs - 17);
    return Run{static_cast<double>(painted - launched) / 1e6,
               static_cast<double>(usage.ru_maxrss) / 1024.0, libraries};
}

struct Series {
    std::vector<double> ms;
    std::vector<double> mib;
    std::string libraries;
    bool add(const std::optional<Run>& run) {
        if (!run) {
            return false;
        }
        ms.push_back(run->firstPaintMs);
        mib.push_back(run->peakMiB);
        libraries = run->libraries;
        return true;
    }
};

void PrintComparison(const std::string& measure, const std::string& unit, int decimals, double ours,
                     double baseline, double goal) {
    const double ratio = ours / baseline;
    kletochka::bench::PrintRow({measure, Fixed(ours, decimals) + " " + unit,
                                Fixed(baseline, decimals) + " " + unit, Fixed(ratio, 2) + "x",
                                "<= " + Fixed(goal, 2) + "x",
                                kletochka::bench::Met(ratio <= goal)});
}

std::string Count(const std::string& libraries) {
    return libraries.substr(0, libraries.find(' '));
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: startup_bench <runs> <label> <folder> <game> <baseline>\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const std::string label = argv[2];
    const std::string folder = argv[3];
    const std::string programs[2] = {argv[4], argv[5]};

    // One unmeasured run each fills the caches; then the two take turns.
    Series series[2];
    for (const std::string& program : programs) {
        if (!RunOnce(folder, program)) {
            return 1;
        }
    }
    for (int i = 0; i < runs; ++i) {
        for (int k = 0; k < 2; ++k) {
            const int which = (i + k) % 2;
            if (!series[which].add(RunOnce(folder, programs[which]))) {
                return 1;
            }
        }
    }
    for (int which = 0; which < 2; ++which) {
        std::fprintf(stderr, "%s %s first paint, ms:", label.c_str(),
                     which == 0 ? "game" : "baseline");
        for (double ms : series[which].ms) {
            std::fprintf(stderr, " %.1f", ms);
        }
        std::fprintf(stderr, " (fastest %.1f, median %.1f)\n",
                     *std::min_element(series[which].ms.begin(), series[which].ms.end()),
                     Median(series[which].ms));
    }
    for (int which = 0; which < 2; ++which) {
        std::fprintf(stderr, "%s %s libraries mapped at the first paint: %s\n", label.c_str(),
                     which == 0 ? "game" : "baseline", series[which].libraries.c_str());
    }
    // On this kind of machine every other program started runs some 15 ms slower
    // whichever program it is, so a median jumps between the two kinds of run; a
    // quarter of the way up lies among the undisturbed ones (the baseline against
    // itself comes out at about 1.0x this way, and at up to 1.13x by medians).
    PrintComparison("Start-up to first paint (lower quartile), " + label, "ms", 1,
                    LowerQuartile(series[0].ms), LowerQuartile(series[1].ms), 1.25);
    PrintComparison("Peak memory (VmHWM), " + label, "MiB", 1, Median(series[0].mib),
                    Median(series[1].mib), 1.2);
    kletochka::bench::PrintRow({"Libraries loaded before the first paint, " + label,
                                Count(series[0].libraries), Count(series[1].libraries), "-",
                                "as few as the job needs", "-"});
    return 0;
}
