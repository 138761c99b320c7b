// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <filesystem>
#include <string>

#include "bank/question_bank.h"

namespace kletochka::test {

QString QtPath(const std::filesystem::path& path);

// A bank with Russian texts, one "€" and the right answers spread over A, B and
// C, whose unused field bytes are zero, as a bank made from a table has them.
QuestionBank::Records RussianRecords();

}  // namespace kletochka::test
