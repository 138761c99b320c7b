// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <unistd.h>

#include <array>
#include <cstddef>
#include <filesystem>
#include <span>

#include "bank/question_record.h"

namespace kletochka {

// The 63 questions of a bank in file order: seven rounds of nine, the j-th
// question of a round belonging to board cell j.
class QuestionBank {
  public:
    static constexpr int kRounds = 7;
    static constexpr int kCellsPerRound = 9;
    static constexpr int kRecords = kRounds * kCellsPerRound;
    static constexpr std::size_t kFileSize = kRecords * sizeof(QuestionRecord);

    using Records = std::array<QuestionRecord, kRecords>;

    // 1 <= i <= 63
    const QuestionRecord& record(int i) const {
        return m_records.at(static_cast<std::size_t>(i - 1));
    }
    // The nine questions of round 1 <= k <= 7, for cells 1..9.
    std::span<const QuestionRecord, kCellsPerRound> round(int k) const;

    const Records& records() const { return m_records; }
    void replace(const Records& records) { m_records = records; }

  private:
    Records m_records{};  // all zero bytes until a bank is loaded
};

// Reads the 63 records of a bank file. The bank changes only when every record
// was read; otherwise it keeps what it held and an InOutError is thrown. Bytes
// after the 63rd record are ignored.
void LoadQuestionBank(QuestionBank& bank, const std::filesystem::path& path);

// Closes a file descriptor as ::close does; a test may pass one that fails.
using CloseFunction = int (*)(int fd);

// The same read without a bank: the records, or an InOutError.
QuestionBank::Records ReadQuestionBankFile(const std::filesystem::path& path,
                                           CloseFunction closeFile = &::close);

}  // namespace kletochka
