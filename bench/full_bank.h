// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "question_bank.h"

namespace kletochka::bench {

// A bank of 63 questions whose every field is filled to its 70 characters
// with Cyrillic text: the most a bank can hold to decode and draw.
QuestionBank::Records FullRecords();

// Writes the records as a bank file; throws std::runtime_error on failure.
void WriteBank(const std::filesystem::path& path, const QuestionBank::Records& records);

}  // namespace kletochka::bench
