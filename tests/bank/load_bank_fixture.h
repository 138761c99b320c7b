// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the bank loader's tests share: a bank that holds earlier records, and
// the code and message of a load that fails.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <utility>

#include "bank/error.h"
#include "bank/question_bank.h"
#include "bank_files.h"
#include "temp_dir.h"

namespace kletochka::test {

inline bool SameRecords(const QuestionBank::Records& a, const QuestionBank::Records& b) {
    return std::memcmp(a.data(), b.data(), sizeof a) == 0;
}

// The code and message a load fails with; code 0 when it does not fail.
inline std::pair<int, std::string> LoadFailure(QuestionBank& bank,
                                               const std::filesystem::path& path) {
    try {
        LoadQuestionBank(bank, path);
    } catch (const InOutError& e) {
        return {e.code(), e.what()};
    }
    return {0, ""};
}

class LoadQuestionBankTest : public ::testing::Test {
  protected:
    TempDir dir;
    QuestionBank bank;
    const QuestionBank::Records earlier = NumberedRecords('E');
    const QuestionBank::Records fresh = NumberedRecords('N', '\x7f');

    void SetUp() override { bank.replace(earlier); }
};

}  // namespace kletochka::test
