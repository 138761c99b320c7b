// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace kletochka::authoring {

// The whole file, or an Error naming it; more than limit bytes is an Error
// too, so a device or a pipe that never ends cannot hang the tool.
std::string ReadWholeFile(const std::filesystem::path& path, std::size_t limit);

// Writes to a temporary file beside path and renames it over path, so path
// holds either its old bytes or all the new ones, never half of them.
void ReplaceFile(const std::filesystem::path& path, std::string_view bytes);

// True when both name one existing file.
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace kletochka::authoring
