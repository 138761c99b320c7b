// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace kletochka::test {

struct QbtoolRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs qbtool in this process with the given arguments (after the program name).
QbtoolRun RunQbtoolWith(const std::vector<std::string>& args);

// Names a table-driven case after its `name` member.
struct ParamName {
    template <class Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        return info.param.name;
    }
};

// The names of the files in a folder, sorted.
std::vector<std::string> FileNames(const std::filesystem::path& folder);

}  // namespace kletochka::test
