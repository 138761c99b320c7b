// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "authoring/problem.h"
#include "authoring/question_table.h"
#include "authoring/record_check.h"
#include "bank/question_bank.h"

namespace kletochka::authoring {

// The 63 records of a bank, each with its round and cell.
std::vector<PlacedRecord> PlaceBank(const QuestionBank::Records& records);

// The rows a table has, each with its line and the fields it had wrong.
std::vector<PlacedRecord> PlaceTable(const QuestionTable& table);

// Bytes after a bank file's last record, which the game ignores.
void CheckFileSize(const std::filesystem::path& path, ProblemList& problems);
// The same for a file of size bytes, and a file cut short, which the game cannot open.
void CheckBankLength(std::uintmax_t size, ProblemList& problems);

// A question's own problems: its texts, its right answer, its fit on the
// screen. Needs a QGuiApplication.
void CheckOwn(const PlacedRecord& placed, ProblemList& problems);

// The problems across the questions: repeats and the A/B/C shares, with one
// line per round telling those shares.
std::vector<std::string> CheckAcross(const std::vector<PlacedRecord>& records,
                                     ProblemList& problems);

// Everything qbtool check looks for in the questions: each record, its fit on
// the screen, repeated questions, and the A/B/C shares. Gives one line per
// round telling those shares. Needs a QGuiApplication.
std::vector<std::string> CheckQuestions(const std::vector<PlacedRecord>& records,
                                        ProblemList& problems);

}  // namespace kletochka::authoring
