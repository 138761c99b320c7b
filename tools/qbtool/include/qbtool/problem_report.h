// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <ostream>

#include "authoring/problem.h"
#include "authoring/question_table.h"
#include "qbtool/command_line.h"

namespace kletochka::qbtool {

// build lists this many mistakes; a teacher fixes those and runs it again.
inline constexpr std::size_t kShownByBuild = 30;

// One line each, then how many more there were beyond `limit`.
void ReportProblems(const ProblemList& problems, std::size_t limit, std::ostream& out);

// "reading questions.csv as UTF-8, columns separated by ';'" and the columns left out.
void ReportReading(const std::filesystem::path& path, const QuestionTable& table,
                   std::ostream& err);

// A note on how many texts of a bank are empty, if any.
void ReportEmptyTexts(const QuestionBank::Records& records, std::ostream& err);

}  // namespace kletochka::qbtool
