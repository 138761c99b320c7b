// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "param_name.h"

namespace kletochka::test {

struct QbtoolRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs qbtool in this process with the given arguments (after the program name).
QbtoolRun RunQbtoolWith(const std::vector<std::string>& args);

// The names of the files in a folder, sorted.
std::vector<std::string> FileNames(const std::filesystem::path& folder);

}  // namespace kletochka::test
