// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real outputs of Linux under a termination signal.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <iterator>

#include "sound/plugin/cue_output.h"
#include "sound/plugin/system_cue_player.h"

namespace kletochka {
namespace {

std::size_t ThreadCount() {
    const auto tasks = std::filesystem::directory_iterator("/proc/self/task");
    return static_cast<std::size_t>(std::distance(begin(tasks), end(tasks)));
}

// The real outputs start threads (the server client's, the device's where
// there is one): SIGTERM must still end the program while they run. Without
// a server or a device the client's thread still runs.
TEST(SystemOutputs, TerminationSignalStillEndsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            SystemCuePlayer player(SystemOutputs());
            static_cast<void>(player.Audible());
            if (ThreadCount() < 2) {
                std::exit(1);  // no thread of the player's: this would check nothing
            }
            std::raise(SIGTERM);
        },
        ::testing::KilledBySignal(SIGTERM), "");
}

}  // namespace
}  // namespace kletochka
