// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>

#include "authoring/file_io.h"
#include "bank/question_bank.h"

namespace kletochka::authoring {

// Reads a bank with the game's own loader, so with its rules and messages; on
// failure throws an Error saying "PATH: message".
QuestionBank::Records ReadBank(const std::filesystem::path& path);

// Reads a bank with the game's own loader, so with its rules and messages; on
// failure says "PATH: message" on err and gives nothing.
std::optional<QuestionBank::Records> LoadBank(const std::filesystem::path& path, std::ostream& err);

// Writes a bank file all or nothing (see ReplaceFile); an Error leaves path as it was.
FileStamp WriteBank(const std::filesystem::path& path, const QuestionBank::Records& records,
                    const WriteOptions& options = {});

}  // namespace kletochka::authoring
