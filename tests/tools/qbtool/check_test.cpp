// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "bank_files.h"
#include "run_qbtool.h"
#include "tables.h"
#include "temp_dir.h"

namespace kletochka::test {
namespace {

constexpr const char* kSharesHeading = "right answers in each round:";

// The problem lines of check's output: those before the shares of right answers.
std::vector<std::string> ProblemLines(const std::string& out) {
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line) && line != kSharesHeading;) {
        lines.push_back(line);
    }
    return lines;
}

QbtoolRun CheckBank(const TempDir& dir, const QuestionBank::Records& records) {
    WriteFile(dir / "b.qb", BankBytes(records));
    return RunQbtoolWith({"check", (dir / "b.qb").string()});
}

class CheckTest : public ::testing::Test {
  protected:
    TempDir dir;
};

TEST_F(CheckTest, CleanBankHasNothingToReport) {
    WriteFile(dir / "b.qb", BankBytes(NumberedRecords('Q', '\x55')));
    const QbtoolRun run = RunQbtoolWith({"check", (dir / "b.qb").string()});
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(ProblemLines(run.out).empty()) << run.out;
    EXPECT_NE(run.out.find(std::string(kSharesHeading) + "\n  round 1: A 3, B 3, C 3\n"),
              std::string::npos);
    EXPECT_NE(run.out.find("\n  round 7: A 3, B 3, C 3\n"), std::string::npos);
    EXPECT_NE(run.err.find("as a question bank"), std::string::npos);
}

TEST_F(CheckTest, ReportsEachFaultOfACraftedBankOnItsOwnLine) {
    QuestionBank::Records records = NumberedRecords();
    std::memset(records[0].question.chars, 'i', 70);
    records[0].question.length = 71;
    records[1].setCorrect(0);
    records[11].answerB.assign("Tom & Jerry");
    records[19].answerC.assign(std::string(30, 'W'));
    records[29].question.assign("");
    records[39].question.assign(std::string(60, 'W'));
    records[40].setCorrect(-1);
    WriteFile(dir / "b.qb", BankBytes(records) + "0123456789");

    const QbtoolRun run = RunQbtoolWith({"check", (dir / "b.qb").string()});
    EXPECT_EQ(run.status, 1);
    const std::vector<std::string> expected = {
        "warning: the file has 18154 bytes, 10 more than a bank's 18144",
        "round 1, cell 1 (А), question: length byte 71 is above 70",
        "round 1, cell 2 (Б), correct: the right answer is number 0, not 1, 2 or 3",
        "round 2, cell 3 (В), answer_b: contains \"&\"",
        "round 3, cell 2 (Б), answer_c: too wide for the screen",
        "round 4, cell 3 (В), question: empty",
        "round 5, cell 4 (Г), question: too wide for the screen",
        "round 5, cell 5 (Д), correct: the right answer is number -1",
    };
    const std::vector<std::string> lines = ProblemLines(run.out);
    ASSERT_EQ(lines.size(), expected.size()) << run.out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].rfind(expected[i], 0), 0u) << lines[i];
    }
    EXPECT_NE(run.err.find("8 problems found"), std::string::npos);
    EXPECT_NE(run.out.find("  round 5: A 3, B 3, C 2, 1 not A, B or C\n"), std::string::npos);
}

TEST_F(CheckTest, BytesTheGameDrawsAsABoxAreNamedWithTheirPlace) {
    QuestionBank::Records records = NumberedRecords();
    records[0].question.assign("Q\x98?");
    records[9].answerA.assign(std::string("a\0b", 3));
    records[9].answerB.assign("x\ty");  // drawn as a space: no problem
    records[9].answerC.assign("ab\x7F");
    records[20].question.assign("line\nbreak\x01");  // reported once, where it first occurs
    const QbtoolRun run = CheckBank(dir, records);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(ProblemLines(run.out),
              (std::vector<std::string>{
                  "round 1, cell 1 (А), question: character 2 is the byte 0x98, which the game "
                  "shows as a box",
                  "round 2, cell 1 (А), answer_a: character 2 is the byte 0x00, which the game "
                  "shows as a box",
                  "round 2, cell 1 (А), answer_c: character 3 is the byte 0x7F, which the game "
                  "shows as a box",
                  "round 3, cell 3 (В), question: character 5 is the byte 0x0A, which the game "
                  "shows as a box",
              }))
        << run.out;
}

struct Balance {
    const char* name;
    int bs;  // how many of round 2's nine right answers are B
    bool flagged;
};
void PrintTo(const Balance& c, std::ostream* os) {
    *os << c.name;
}

class BalanceTest : public CheckTest, public ::testing::WithParamInterface<Balance> {};

TEST_P(BalanceTest, FlagsARoundWhereOneLetterHasMoreThanTwoThirds) {
    QuestionBank::Records records = NumberedRecords();
    for (int cell = 1; cell <= 9; ++cell) {
        records[static_cast<std::size_t>(8 + cell)].setCorrect(
            cell <= GetParam().bs ? 2 : 1 + cell % 2 * 2);
    }
    const QbtoolRun run = CheckBank(dir, records);
    const std::string flag =
        "round 2: " + std::to_string(GetParam().bs) + " of 9 right answers are B";
    EXPECT_EQ(run.status, GetParam().flagged ? 1 : 0) << run.out;
    EXPECT_EQ(ProblemLines(run.out).size(), GetParam().flagged ? 1u : 0u) << run.out;
    EXPECT_EQ(run.out.find(flag) != std::string::npos, GetParam().flagged) << run.out;
}

INSTANTIATE_TEST_SUITE_P(Rounds, BalanceTest,
                         ::testing::Values(Balance{"SixOfNine", 6, false},
                                           Balance{"SevenOfNine", 7, true},
                                           Balance{"AllNine", 9, true}),
                         ParamName());

TEST_F(CheckTest, QuestionAskedTwiceIsFlaggedWhereItComesAgain) {
    QuestionBank::Records records = NumberedRecords();
    records[4].question.assign(Cp1251("Сколько ног у паука?"));
    records[19].question.assign(Cp1251("  сколько  НОГ у паука? "));
    records[62].question.assign(Cp1251("Сколько ног у паука?!"));
    const QbtoolRun run = CheckBank(dir, records);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(ProblemLines(run.out),
              (std::vector<std::string>{"round 3, cell 2 (Б), question: the same question as "
                                        "round 1, cell 5 (Д)"}));
}

TEST_F(CheckTest, AnswerIsFlaggedOnceItOutgrowsItsLabel) {
    QuestionBank::Records records = NumberedRecords();
    std::string answer;
    // Widen an answer letter by letter until it no longer fits.
    QbtoolRun run;
    do {
        answer += 'n';
        records[0].answerA.assign(answer);
        run = CheckBank(dir, records);
    } while (run.status == 0 && answer.size() < 70);
    ASSERT_EQ(run.status, 1) << "never too wide";
    EXPECT_NE(run.out.find("answer_a: too wide for the screen"), std::string::npos);
    EXPECT_GT(answer.size(), 10u);  // a dozen letters fit, as the layout promises
}

TEST_F(CheckTest, TableProblemsNameTheirLinesAndIncludeWhatBuildRefuses) {
    auto lines = GoodLines();
    lines[4] = "1,4,Rock & roll?,а,б,в,A";
    lines[6] = "1,6," + std::string(71, 'x') + ",а,б,в,A";
    lines[8] = "1,8,Вопрос,,б,в,7";
    lines.erase(lines.begin() + 20);
    WriteFile(dir / "t.csv", Joined(lines));

    const QbtoolRun run = RunQbtoolWith({"check", (dir / "t.csv").string()});
    EXPECT_EQ(run.status, 1);
    for (const char* finding : {
             "line 5, round 1, cell 4 (Г), question: contains \"&\"",
             "line 7, round 1, cell 6 (Е), question: 71 characters",
             "line 9, round 1, cell 8 (З), correct: \"7\" is not A, B or C",
             "round 3, cell 2 (Б): no row for this question",
         }) {
        EXPECT_NE(run.out.find(finding), std::string::npos) << finding << "\n" << run.out;
    }
    EXPECT_NE(run.err.find("as a question table"), std::string::npos);
}

TEST_F(CheckTest, FileWithoutExtensionIsJudgedByItsContent) {
    WriteFile(dir / "bank", BankBytes(NumberedRecords()));
    WriteFile(dir / "table", Joined(GoodLines()));
    const QbtoolRun bank = RunQbtoolWith({"check", (dir / "bank").string()});
    const QbtoolRun table = RunQbtoolWith({"check", (dir / "table").string()});
    EXPECT_EQ(bank.status, 0) << bank.out;
    EXPECT_EQ(table.status, 0) << table.out;
    EXPECT_NE(bank.err.find("as a question bank"), std::string::npos);
    EXPECT_NE(table.err.find("as a question table"), std::string::npos);
}

TEST_F(CheckTest, BankThatDoesNotLoadGivesTheLoadersMessage) {
    WriteFile(dir / "short.qb", std::string(300, 'x'));
    const QbtoolRun run = RunQbtoolWith({"check", (dir / "short.qb").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Read beyond end of file"), std::string::npos);
}

TEST_F(CheckTest, BankCutShortInItsLastRecordIsReportedAndItsWholeRecordsChecked) {
    QuestionBank::Records records = NumberedRecords();
    records[61].question.assign("");
    WriteFile(dir / "cut.qb", BankBytes(records).substr(0, 62 * 288 + 5));
    const QbtoolRun run = RunQbtoolWith({"check", (dir / "cut.qb").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cut.qb: Read beyond end of file"), std::string::npos) << run.err;
    const std::vector<std::string> lines = ProblemLines(run.out);
    ASSERT_EQ(lines.size(), 2u) << run.out;
    EXPECT_EQ(lines[0],
              "the file has 17861 bytes, 283 fewer than a bank's 18144: it holds only 62 whole "
              "questions of 63, so the game cannot open it");
    EXPECT_EQ(lines[1].rfind("round 7, cell 8 (З), question: empty", 0), 0u) << lines[1];
}

}  // namespace
}  // namespace kletochka::test
