// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "bank/error.h"
#include "bank/question_bank.h"
#include "load_bank_fixture.h"

namespace kletochka {
namespace {

using test::BankBytes;
using test::LoadFailure;
using test::LoadQuestionBankTest;
using test::NumberedRecords;
using test::SameRecords;
using test::TempDir;
using test::WriteFile;

TEST_F(LoadQuestionBankTest, ReadsAllRecordsByteForByteInFileOrder) {
    WriteFile(dir / "b.qb", BankBytes(fresh));
    LoadQuestionBank(bank, dir / "b.qb");
    EXPECT_TRUE(SameRecords(bank.records(), fresh));
    EXPECT_EQ(bank.record(1).question.view(), "N1");
    EXPECT_EQ(bank.record(63).question.view(), "N63");
    EXPECT_EQ(bank.round(2)[0].question.view(), "N10");
    EXPECT_EQ(bank.round(7)[8].question.view(), "N63");
}

TEST_F(LoadQuestionBankTest, IgnoresBytesAfterTheLastRecord) {
    WriteFile(dir / "long.qb", BankBytes(fresh) + std::string(1000, '\xee'));
    LoadQuestionBank(bank, dir / "long.qb");
    EXPECT_TRUE(SameRecords(bank.records(), fresh));
}

TEST_F(LoadQuestionBankTest, WriteProtectedBankLoads) {
    WriteFile(dir / "ro.qb", BankBytes(fresh));
    std::filesystem::permissions(dir / "ro.qb", std::filesystem::perms::owner_read);
    LoadQuestionBank(bank, dir / "ro.qb");
    EXPECT_TRUE(SameRecords(bank.records(), fresh));
}

// Every failure leaves the earlier bank exactly as it was: no mix of two files.
struct BadBank {
    const char* name;
    std::size_t size;  // bytes of a good bank to keep
    int code;
    const char* message;
};

class ShortBankTest : public LoadQuestionBankTest, public ::testing::WithParamInterface<BadBank> {};

TEST_P(ShortBankTest, FailsAndKeepsTheEarlierBank) {
    const BadBank& bad = GetParam();
    WriteFile(dir / "short.qb", BankBytes(fresh).substr(0, bad.size));
    EXPECT_EQ(LoadFailure(bank, dir / "short.qb"),
              std::make_pair(bad.code, std::string(bad.message)));
    EXPECT_TRUE(SameRecords(bank.records(), earlier));
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, ShortBankTest,
    ::testing::Values(BadBank{"empty", 0, 100, "Read beyond end of file"},
                      BadBank{"oneByte", 1, 100, "Read beyond end of file"},
                      BadBank{"oneRecordLessOneByte", 287, 100, "Read beyond end of file"},
                      BadBank{"tenRecords", 288 * 10, 100, "Read beyond end of file"},
                      BadBank{"insideLastRecord", 18144 - 1, 100, "Read beyond end of file"}),
    [](const ::testing::TestParamInfo<BadBank>& p) { return std::string(p.param.name); });

TEST_F(LoadQuestionBankTest, FailedLoadAtStartLeavesZeroBytes) {
    QuestionBank empty;
    WriteFile(dir / "ten.qb", BankBytes(fresh).substr(0, 2880));
    EXPECT_EQ(LoadFailure(empty, dir / "ten.qb").first, 100);
    EXPECT_TRUE(SameRecords(empty.records(), QuestionBank::Records{}));
    EXPECT_EQ(empty.record(11).correct(), 0);
}

TEST_F(LoadQuestionBankTest, MissingFileAndMissingFolderAreToldApart) {
    EXPECT_EQ(LoadFailure(bank, dir / "none.qb"), std::make_pair(2, std::string("File not found")));
    EXPECT_EQ(LoadFailure(bank, dir / "nofolder" / "b.qb"),
              std::make_pair(3, std::string("Invalid filename")));
    // A plain file used as a folder is a bad name too.
    WriteFile(dir / "file", "x");
    EXPECT_EQ(LoadFailure(bank, dir / "file" / "b.qb").first, 3);
    EXPECT_TRUE(SameRecords(bank.records(), earlier));
}

TEST(InOutErrorMessage, CodesWithoutTextShowTheNumber) {
    EXPECT_EQ(InOutError(101).what(), std::string("Disk full"));
    EXPECT_EQ(InOutError(106).what(), std::string("Invalid numeric input"));
    EXPECT_EQ(InOutError(32).what(), std::string("I/O error 32"));
    EXPECT_EQ(InOutError(32).code(), 32);
}

}  // namespace
}  // namespace kletochka
