// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the tests of saving share on every system.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "authoring/file_io.h"

namespace kletochka::test {

// The names in a folder, sorted.
inline std::vector<std::string> Names(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The reason write failed with; a failure of the test when it did not fail.
inline authoring::WriteError::Reason FailureOf(const std::function<void()>& write) {
    try {
        write();
    } catch (const authoring::WriteError& e) {
        EXPECT_NE(std::string(e.what()).find(e.file().filename().string()), std::string::npos)
            << e.what();
        return e.reason();
    }
    ADD_FAILURE() << "written";
    return authoring::WriteError::Reason::Other;
}

inline authoring::WriteOptions OverReadOnly() {
    authoring::WriteOptions options;
    options.overReadOnly = true;
    return options;
}

inline authoring::WriteOptions FailingAt(authoring::WriteStep step, int err) {
    authoring::WriteOptions options;
    options.beforeStep = [step, err](authoring::WriteStep now) { return now == step ? err : 0; };
    return options;
}

}  // namespace kletochka::test
