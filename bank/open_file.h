// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The system's half of the loader: one header, one source file for each system.
#pragma once

#include <filesystem>

namespace kletochka::system {

// A descriptor of the file at path, open for reading only and not handed to child processes;
// a failure is thrown as the InOutError the user sees.
int OpenForReading(const std::filesystem::path& path);

}  // namespace kletochka::system
