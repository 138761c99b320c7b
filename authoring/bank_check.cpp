// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/bank_check.h"

#include <algorithm>
#include <climits>

#include "authoring/balance_check.h"
#include "authoring/fit_check.h"
#include "authoring/repeat_check.h"
#include "authoring/table_columns.h"

namespace kletochka::authoring {

std::vector<PlacedRecord> PlaceBank(const QuestionBank::Records& records) {
    std::vector<PlacedRecord> placed;
    placed.reserve(records.size());
    for (int i = 1; i <= QuestionBank::kRecords; ++i) {
        placed.push_back({0, RoundOf(i), CellOf(i), records[static_cast<std::size_t>(i - 1)], {}});
    }
    return placed;
}

std::vector<PlacedRecord> PlaceTable(const QuestionTable& table) {
    std::vector<PlacedRecord> placed;
    for (int i = 1; i <= QuestionBank::kRecords; ++i) {
        const auto& entry = table.entries[static_cast<std::size_t>(i - 1)];
        if (entry) {
            placed.push_back({entry->line, RoundOf(i), CellOf(i), entry->record, entry->rejected});
        }
    }
    return placed;
}

void CheckFileSize(const std::filesystem::path& path, ProblemList& problems) {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (!ec && size > QuestionBank::kFileSize) {
        CheckBankLength(size, problems);
    }
}

void CheckBankLength(std::uintmax_t size, ProblemList& problems) {
    constexpr std::uintmax_t kBank = QuestionBank::kFileSize;
    if (size > kBank) {
        const std::uintmax_t extra = size - kBank;
        problems.add(
            {0, 0, 0, "",
             "warning: the file has " + std::to_string(size) + " bytes, " + std::to_string(extra) +
                 " more than a bank's " + std::to_string(kBank) + "; the game ignores them",
             ProblemKind::FileSize, 0, static_cast<int>(std::min<std::uintmax_t>(extra, INT_MAX))});
    } else if (size < kBank) {
        const auto whole = static_cast<int>(size / sizeof(QuestionRecord));
        problems.add({0, 0, 0, "",
                      "the file has " + std::to_string(size) + " bytes, " +
                          std::to_string(kBank - size) + " fewer than a bank's " +
                          std::to_string(kBank) + ": it holds only " + std::to_string(whole) +
                          " whole questions of " + std::to_string(QuestionBank::kRecords) +
                          ", so the game cannot open it",
                      ProblemKind::CutShort, 0, whole});
    }
}

void CheckOwn(const PlacedRecord& placed, ProblemList& problems) {
    CheckRecord(placed, problems);
    CheckFit(placed, problems);
}

std::vector<std::string> CheckAcross(const std::vector<PlacedRecord>& records,
                                     ProblemList& problems) {
    CheckRepeats(records, problems);
    return CheckAnswerBalance(records, problems);
}

std::vector<std::string> CheckQuestions(const std::vector<PlacedRecord>& records,
                                        ProblemList& problems) {
    for (const PlacedRecord& placed : records) {
        CheckOwn(placed, problems);
    }
    return CheckAcross(records, problems);
}

}  // namespace kletochka::authoring
