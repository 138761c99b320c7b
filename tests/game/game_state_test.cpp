// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>

#include "bank_files.h"
#include "error.h"
#include "game_state.h"
#include "temp_dir.h"

namespace kletochka {
namespace {

using test::BankBytes;
using test::NumberedRecords;

// Round k's record for cell n has right answer 1 + (9(k-1)+n) % 3.
int RightAnswer(int k, int n) { return 1 + (9 * (k - 1) + n) % 3; }
int WrongAnswer(int k, int n) { return RightAnswer(k, n) % 3 + 1; }

class GameStateTest : public ::testing::Test {
protected:
    QuestionBank bank;
    GameState game;

    void SetUp() override {
        bank.replace(NumberedRecords());
        game.ResetBoard();
        game.StartRound(bank, 1);
    }

    // One whole turn: side, cell, answer, confirm. Returns the line test.
    bool Turn(Team side, int n, int answer) {
        game.ChooseSide(side);
        EXPECT_NE(game.ChooseCell(n), nullptr);
        EXPECT_TRUE(game.ChooseAnswer(answer));
        const auto right = game.ConfirmJudge();
        EXPECT_TRUE(right.has_value());
        game.ConfirmMark(*right);
        return game.CheckLines();
    }
};

TEST(GameStateStart, InitGameLoadsTheDefaultBankEmptiesBoardAndSetsTitle) {
    test::TempDir dir;
    test::WriteFile(dir / "default.qb", BankBytes(NumberedRecords()));
    QuestionBank bank;
    GameState game;
    EXPECT_EQ(game.Board()[0], 0);  // zero bytes before start-up
    game.InitGame(bank, dir / "default.qb");
    EXPECT_EQ(bank.record(5).question.view(), "Q5");
    for (CellOwner c : game.Board()) EXPECT_EQ(c, kEmptyCell);
    EXPECT_EQ(game.TitleText(), "Турнир-клеточка");
    EXPECT_EQ(game.Side(), Team::Noughts);
    EXPECT_FALSE(game.AnswerOpen());
}

TEST(GameStateStart, FailedDefaultBankStillEmptiesBoardAndSetsTitle) {
    test::TempDir dir;
    QuestionBank bank;
    GameState game;
    try {
        game.InitGame(bank, dir / "default.qb");
        FAIL() << "a missing bank must be reported";
    } catch (const InOutError& e) {
        EXPECT_EQ(e.code(), 2);
    }
    for (CellOwner c : game.Board()) EXPECT_EQ(c, kEmptyCell);
    EXPECT_EQ(game.TitleText(), "Турнир-клеточка");
    EXPECT_EQ(bank.record(1).correct(), 0);
}

TEST_F(GameStateTest, StartRoundCopiesThatRoundsQuestionsAndKeepsTheRest) {
    game.ChooseSide(Team::Crosses);
    game.ChooseCell(4);
    game.ChooseAnswer(2);
    game.StartRound(bank, 3);
    EXPECT_EQ(game.roundQuestion(1).question.view(), "Q19");
    EXPECT_EQ(game.roundQuestion(9).question.view(), "Q27");
    EXPECT_TRUE(game.AnswerOpen());
    EXPECT_EQ(game.Side(), Team::Crosses);
    EXPECT_EQ(game.CurrentCell(), 4);
    EXPECT_EQ(game.ChosenAnswer(), 2);
    // The round keeps its copy when another bank is loaded.
    bank.replace(NumberedRecords('X'));
    EXPECT_EQ(game.roundQuestion(1).question.view(), "Q19");
}

TEST_F(GameStateTest, OccupiedCellIsRefusedWithoutAnyChange) {
    Turn(Team::Crosses, 5, RightAnswer(1, 5));
    game.ChooseCell(2);
    game.ChooseAnswer(1);
    ASSERT_TRUE(game.ConfirmJudge().has_value());
    EXPECT_FALSE(game.AnswerOpen());
    EXPECT_EQ(game.ChooseCell(5), nullptr);
    EXPECT_EQ(game.CurrentCell(), 2);
    EXPECT_FALSE(game.AnswerOpen());
}

TEST_F(GameStateTest, RightAnswerGivesOwnMarkWrongGivesTheOthers) {
    struct Case {
        Team side;
        bool right;
        CellOwner mark;
    };
    const Case cases[] = {{Team::Crosses, true, kCross},
                          {Team::Crosses, false, kNought},
                          {Team::Noughts, true, kNought},
                          {Team::Noughts, false, kCross}};
    int n = 1;
    for (const Case& c : cases) {
        Turn(c.side, n, c.right ? RightAnswer(1, n) : WrongAnswer(1, n));
        EXPECT_EQ(game.cell(n), c.mark) << "cell " << n;
        ++n;
    }
}

TEST_F(GameStateTest, AnswersAreTakenOnlyWhileOpen) {
    game.ChooseCell(1);
    EXPECT_TRUE(game.ChooseAnswer(3));
    game.ConfirmJudge();
    EXPECT_FALSE(game.ChooseAnswer(1));
    EXPECT_EQ(game.ChosenAnswer(), 3);
}

TEST_F(GameStateTest, NewCellWithoutNewAnswerJudgesTheEarlierAnswer) {
    game.ChooseCell(1);
    game.ChooseAnswer(RightAnswer(1, 2));
    game.ChooseCell(2);  // the chosen answer is kept
    EXPECT_EQ(game.ConfirmJudge(), std::optional<bool>(true));
}

TEST_F(GameStateTest, ConfirmingTwiceRejudgesWithTheCurrentSide) {
    Turn(Team::Crosses, 7, RightAnswer(1, 7));
    EXPECT_EQ(game.cell(7), kCross);
    game.ChooseSide(Team::Noughts);
    EXPECT_EQ(game.ConfirmJudge(), std::optional<bool>(true));
    const Placement p = game.ConfirmMark(true);
    EXPECT_EQ(p.cell, 7);
    EXPECT_EQ(p.mark, kNought);
    EXPECT_EQ(game.cell(7), kNought);
}

TEST_F(GameStateTest, NoAnswerEverChosenIsRightOnlyForCorrectNumberZero) {
    GameState fresh;  // empty round: every correct number is 0
    fresh.ResetBoard();
    fresh.ChooseCell(3);
    EXPECT_EQ(fresh.ConfirmJudge(), std::optional<bool>(true));
    game.ChooseCell(3);
    EXPECT_EQ(game.ConfirmJudge(), std::optional<bool>(false));
}

TEST_F(GameStateTest, ConfirmWithNoCellChosenDoesNothing) {
    EXPECT_TRUE(game.AnswerOpen());
    EXPECT_EQ(game.ConfirmJudge(), std::nullopt);
    EXPECT_TRUE(game.AnswerOpen());
    for (CellOwner c : game.Board()) EXPECT_EQ(c, kEmptyCell);
}

TEST_F(GameStateTest, NewRoundJudgesTheOldCurrentCellAgainstTheNewRecord) {
    Turn(Team::Crosses, 6, RightAnswer(1, 6));
    game.StartRound(bank, 2);
    EXPECT_EQ(game.cell(6), kEmptyCell);
    game.ChooseAnswer(RightAnswer(2, 6));
    EXPECT_EQ(game.ConfirmJudge(), std::optional<bool>(true));
    EXPECT_EQ(game.ConfirmMark(true).cell, 6);
}

TEST_F(GameStateTest, EveryLineCountsForBothMarksAndNothingElseDoes) {
    const int lines[8][3] = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {1, 4, 7},
                             {2, 5, 8}, {3, 6, 9}, {1, 5, 9}, {3, 5, 7}};
    for (const auto& line : lines) {
        for (Team side : {Team::Crosses, Team::Noughts}) {
            game.ResetBoard();
            for (int i = 0; i < 3; ++i) {
                EXPECT_FALSE(game.CheckLines());
                Turn(side, line[i], RightAnswer(1, line[i]));
            }
            EXPECT_TRUE(game.CheckLines()) << line[0] << line[1] << line[2];
        }
    }
    // Near misses: an L shape, a mixed line, a full board without a line.
    const struct {
        int cells[9];
    } boards[] = {{{1, 1, -1, 1, -1, -1, -1, -1, -1}},
                  {{0, 0, 1, -1, -1, -1, -1, -1, -1}},
                  {{1, 0, 1, 1, 0, 0, 0, 1, 1}}};
    for (const auto& b : boards) {
        game.ResetBoard();
        for (int n = 1; n <= 9; ++n) {
            if (b.cells[n - 1] == -1) continue;
            Turn(b.cells[n - 1] == 1 ? Team::Crosses : Team::Noughts, n, RightAnswer(1, n));
        }
        EXPECT_FALSE(game.CheckLines());
    }
}

TEST_F(GameStateTest, CompleteLineStaysCompleteUntilBroken) {
    for (int n : {3, 5, 7}) Turn(Team::Noughts, n, RightAnswer(1, n));
    EXPECT_TRUE(game.CheckLines());
    // Marking another cell still reports the line.
    EXPECT_TRUE(Turn(Team::Crosses, 1, RightAnswer(1, 1)));
    // Re-judging the middle cell for the crosses breaks the diagonal.
    game.ChooseSide(Team::Crosses);
    game.TakeCell(5);
    game.ConfirmMark(true);
    EXPECT_FALSE(game.CheckLines());
}

}  // namespace
}  // namespace kletochka
