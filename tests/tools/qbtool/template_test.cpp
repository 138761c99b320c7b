// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "run_qbtool.h"
#include "tables.h"
#include "temp_dir.h"

namespace kletochka::test {
namespace {

class TemplateTest : public ::testing::Test {
  protected:
    TempDir dir;
    const std::string csv = (dir / "questions.csv").string();
    const std::string bank = (dir / "lesson.qb").string();
};

TEST_F(TemplateTest, HasTheHeaderAndEveryRoundAndCellWithEmptyTexts) {
    ASSERT_EQ(RunQbtoolWith({"template", "-o", csv}).status, 0);
    const std::string table = ReadFile(csv);
    EXPECT_EQ(table.rfind("round,cell,question,answer_a,answer_b,answer_c,correct\r\n"
                          "1,1,\"\",\"\",\"\",\"\",\r\n"
                          "1,2,\"\",\"\",\"\",\"\",\r\n",
                          0),
              0u);
    EXPECT_NE(table.find("\r\n7,9,\"\",\"\",\"\",\"\",\r\n"), std::string::npos);
    EXPECT_EQ(Occurrences(table, "\r\n"), 64u);
}

TEST_F(TemplateTest, SemicolonsForExcelOnARussianSystem) {
    ASSERT_EQ(RunQbtoolWith({"template", "-o", csv, "--semicolons"}).status, 0);
    const std::string table = ReadFile(csv);
    EXPECT_EQ(table.rfind("round;cell;question;answer_a;answer_b;answer_c;correct\r\n1;1;\"\";", 0),
              0u);
    EXPECT_EQ(Occurrences(table, ","), 0u);
}

TEST_F(TemplateTest, NeverReplacesATableUnlessForced) {
    WriteFile(csv, "an evening of work");
    const QbtoolRun refused = RunQbtoolWith({"template", "-o", csv});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("already exists"), std::string::npos);
    EXPECT_EQ(ReadFile(csv), "an evening of work");

    EXPECT_EQ(RunQbtoolWith({"template", "-o", csv, "--force"}).status, 0);
    EXPECT_EQ(ReadFile(csv).rfind("round,cell,", 0), 0u);
}

// An unfilled template is no bank: build refuses it for the missing right
// answers, and check also lists every empty text.
TEST_F(TemplateTest, UnfilledTemplateIsRefusedByBuildAndFlaggedByCheck) {
    ASSERT_EQ(RunQbtoolWith({"template", "-o", csv}).status, 0);
    const QbtoolRun build = RunQbtoolWith({"build", csv, "-o", bank});
    EXPECT_EQ(build.status, 1);
    EXPECT_NE(build.err.find("line 2, round 1, cell 1 (А), correct: empty"), std::string::npos);
    EXPECT_NE(build.err.find("… and 33 more"), std::string::npos) << build.err;
    EXPECT_FALSE(std::filesystem::exists(bank));

    const QbtoolRun check = RunQbtoolWith({"check", csv});
    EXPECT_EQ(check.status, 1);
    EXPECT_NE(check.out.find("line 2, round 1, cell 1 (А), question: empty\n"), std::string::npos);
    EXPECT_NE(check.out.find("line 64, round 7, cell 9 (И), answer_c: empty\n"), std::string::npos);
    EXPECT_NE(check.err.find("315 problems found"), std::string::npos) << check.err;
}

TEST_F(TemplateTest, FilledTemplateBuildsAndEmptyTextsAreOnlyNoted) {
    ASSERT_EQ(RunQbtoolWith({"template", "-o", csv}).status, 0);
    std::string table = ReadFile(csv);
    const std::string empty = "\"\",\"\",\"\",\"\",\r\n";
    for (auto at = table.find(empty); at != std::string::npos; at = table.find(empty, at)) {
        table.replace(at, empty.size(), "\"Сколько?\",\"1\",\"2\",\"\",b\r\n");
    }
    WriteFile(csv, table);
    const QbtoolRun build = RunQbtoolWith({"build", csv, "-o", bank});
    EXPECT_EQ(build.status, 0) << build.err;
    EXPECT_NE(build.err.find("63 of the texts are empty"), std::string::npos) << build.err;
    EXPECT_EQ(ReadFile(bank).size(), 18144u);
}

}  // namespace
}  // namespace kletochka::test
