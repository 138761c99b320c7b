// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <set>
#include <stdexcept>
#include <string>

#include "bank/error.h"
#include "bank_files.h"
#include "game/cells.h"
#include "game/game_state.h"
#include "temp_dir.h"

namespace kletochka {
namespace {

using test::BankBytes;
using test::NumberedRecords;
using test::NumberedRight;
using test::OtherAnswer;

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
    // Before start-up no cell belongs to either team.
    for (CellOwner c : game.Board())
        EXPECT_EQ(c, kEmptyCell);
    EXPECT_EQ(game.CurrentCell(), 0);
    game.InitGame(bank, dir / "default.qb");
    EXPECT_EQ(bank.record(5).question.view(), "Q5");
    for (CellOwner c : game.Board())
        EXPECT_EQ(c, kEmptyCell);
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
    for (CellOwner c : game.Board())
        EXPECT_EQ(c, kEmptyCell);
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
    Turn(Team::Crosses, 5, NumberedRight(1, 5));
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
        Turn(c.side, n, c.right ? NumberedRight(1, n) : OtherAnswer(NumberedRight(1, n)));
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
    game.ChooseAnswer(NumberedRight(1, 2));
    game.ChooseCell(2);  // the chosen answer is kept
    EXPECT_EQ(game.ConfirmJudge(), std::optional<bool>(true));
}

TEST_F(GameStateTest, ConfirmingTwiceRejudgesWithTheCurrentSide) {
    Turn(Team::Crosses, 7, NumberedRight(1, 7));
    EXPECT_EQ(game.cell(7), kCross);
    game.ChooseSide(Team::Noughts);
    EXPECT_EQ(game.ConfirmJudge(), std::optional<bool>(true));
    const std::optional<Placement> p = game.ConfirmMark(true);
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->cell, 7);
    EXPECT_EQ(p->mark, kNought);
    EXPECT_EQ(game.cell(7), kNought);
}

TEST_F(GameStateTest, NoAnswerEverChosenIsRightOnlyForCorrectNumberZero) {
    GameState fresh;  // empty round: every correct number is 0
    fresh.ChooseCell(3);
    EXPECT_EQ(fresh.ConfirmJudge(), std::optional<bool>(true));
    game.ChooseCell(3);
    EXPECT_EQ(game.ConfirmJudge(), std::optional<bool>(false));
}

TEST_F(GameStateTest, ConfirmWithNoCellChosenDoesNothing) {
    EXPECT_TRUE(game.AnswerOpen());
    EXPECT_EQ(game.ConfirmJudge(), std::nullopt);
    EXPECT_TRUE(game.AnswerOpen());
    EXPECT_FALSE(game.ConfirmMark(true).has_value());
    EXPECT_FALSE(game.ConfirmMark(false).has_value());
    for (CellOwner c : game.Board())
        EXPECT_EQ(c, kEmptyCell);
}

TEST_F(GameStateTest, NewRoundJudgesTheOldCurrentCellAgainstTheNewRecord) {
    Turn(Team::Crosses, 6, NumberedRight(1, 6));
    game.StartRound(bank, 2);
    EXPECT_EQ(game.cell(6), kEmptyCell);
    game.ChooseAnswer(NumberedRight(2, 6));
    EXPECT_EQ(game.ConfirmJudge(), std::optional<bool>(true));
    EXPECT_EQ(game.ConfirmMark(true).value().cell, 6);
}

// The lines are every straight run of three on the 3x3 board, each once.
TEST(Lines, AreTheRowsColumnsAndDiagonalsOfTheBoard) {
    std::set<std::set<int>> distinct;
    for (const Line& line : kLines) {
        const auto row = [](int n) { return (n - 1) / 3; };
        const auto column = [](int n) { return (n - 1) % 3; };
        const int dRow = row(line[1]) - row(line[0]);
        const int dColumn = column(line[1]) - column(line[0]);
        EXPECT_TRUE(dRow != 0 || dColumn != 0);
        EXPECT_LE(std::abs(dRow), 1);
        EXPECT_LE(std::abs(dColumn), 1);
        EXPECT_EQ(row(line[2]) - row(line[1]), dRow);
        EXPECT_EQ(column(line[2]) - column(line[1]), dColumn);
        distinct.insert({line.begin(), line.end()});
    }
    EXPECT_EQ(distinct.size(), 8U);
}

TEST_F(GameStateTest, EveryLineCountsForBothMarksAndNothingElseDoes) {
    for (const Line& line : kLines) {
        for (Team side : {Team::Crosses, Team::Noughts}) {
            game.ResetBoard();
            for (int i = 0; i < 3; ++i) {
                EXPECT_FALSE(game.CheckLines());
                Turn(side, line[i], NumberedRight(1, line[i]));
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
            if (b.cells[n - 1] == -1)
                continue;
            Turn(b.cells[n - 1] == 1 ? Team::Crosses : Team::Noughts, n, NumberedRight(1, n));
        }
        EXPECT_FALSE(game.CheckLines());
    }
}

TEST_F(GameStateTest, CompleteLineStaysCompleteUntilBroken) {
    for (int n : {3, 7})
        Turn(Team::Noughts, n, NumberedRight(1, n));
    EXPECT_FALSE(Turn(Team::Crosses, 1, NumberedRight(1, 1)));
    EXPECT_TRUE(Turn(Team::Noughts, 5, NumberedRight(1, 5)));
    // Confirming again for the noughts keeps the line; for the crosses it breaks it.
    ASSERT_EQ(game.ConfirmJudge(), std::optional<bool>(true));
    game.ConfirmMark(true);
    EXPECT_TRUE(game.CheckLines());
    game.ChooseSide(Team::Crosses);
    ASSERT_EQ(game.ConfirmJudge(), std::optional<bool>(true));
    game.ConfirmMark(true);
    EXPECT_EQ(game.cell(5), kCross);
    EXPECT_FALSE(game.CheckLines());
}

// The window's work runs inside an operation; what it throws leaves the steps
// before it done and the steps after it undone.
TEST_F(GameStateTest, RoundStartRunsTheWindowsWorkBetweenOpeningAndTakingTheQuestions) {
    Turn(Team::Crosses, 4, NumberedRight(1, 4));
    ASSERT_FALSE(game.AnswerOpen());
    bool ran = false;
    game.StartRound(bank, 2, [&] {
        ran = true;
        EXPECT_TRUE(game.AnswerOpen());
        EXPECT_EQ(game.roundQuestion(1).question.view(), "Q1");
        EXPECT_EQ(game.cell(4), kCross);
    });
    EXPECT_TRUE(ran);
    EXPECT_EQ(game.roundQuestion(1).question.view(), "Q10");
    EXPECT_EQ(game.cell(4), kEmptyCell);

    Turn(Team::Crosses, 4, NumberedRight(2, 4));
    EXPECT_THROW(game.StartRound(bank, 3, [] { throw std::runtime_error("no click"); }),
                 std::runtime_error);
    EXPECT_TRUE(game.AnswerOpen());
    EXPECT_EQ(game.roundQuestion(1).question.view(), "Q10");
    EXPECT_EQ(game.cell(4), kCross);
}

TEST_F(GameStateTest, CellsThreeToNineAreCurrentBeforeTheClickOneAndTwoAfter) {
    for (int n = 1; n <= GameState::kCells; ++n) {
        game.ConfirmJudge();  // closes the answers
        const int before = game.CurrentCell();
        int seen = -1;
        const QuestionRecord* question = game.ChooseCell(n, [&] {
            seen = game.CurrentCell();
            EXPECT_TRUE(game.AnswerOpen());
        });
        ASSERT_NE(question, nullptr);
        EXPECT_EQ(question->question.view(), "Q" + std::to_string(n));
        EXPECT_EQ(seen, n >= 3 ? n : before) << "cell " << n;
        EXPECT_EQ(game.CurrentCell(), n);
    }
    // A click that fails ends the choice where it stood.
    game.ChooseCell(5);
    const auto failing = [] { throw std::runtime_error("no click"); };
    EXPECT_THROW(game.ChooseCell(2, failing), std::runtime_error);
    EXPECT_EQ(game.CurrentCell(), 5);
    EXPECT_THROW(game.ChooseCell(3, failing), std::runtime_error);
    EXPECT_EQ(game.CurrentCell(), 3);
    // A taken cell plays nothing.
    Turn(Team::Noughts, 6, NumberedRight(1, 6));
    bool clicked = false;
    EXPECT_EQ(game.ChooseCell(6, [&] { clicked = true; }), nullptr);
    EXPECT_FALSE(clicked);
    EXPECT_FALSE(game.AnswerOpen());
}

// Taking confirmations back.

TEST_F(GameStateTest, UndoTakesBackOnePlacementAtATimeToTheRoundsStart) {
    Turn(Team::Crosses, 1, NumberedRight(1, 1));
    Turn(Team::Noughts, 5, OtherAnswer(NumberedRight(1, 5)));
    game.ChooseSide(Team::Crosses);  // the host moves on before noticing
    game.ChooseCell(9);
    ASSERT_EQ(game.lastPlacedCell(), 5);

    const std::optional<Placement> second = game.undoConfirm();
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(second->cell, 5);
    EXPECT_EQ(second->mark, kEmptyCell);
    EXPECT_EQ(game.cell(5), kEmptyCell);
    EXPECT_EQ(game.cell(1), kCross);
    // The state the second confirmation found.
    EXPECT_EQ(game.Side(), Team::Noughts);
    EXPECT_EQ(game.CurrentCell(), 5);
    EXPECT_EQ(game.ChosenAnswer(), OtherAnswer(NumberedRight(1, 5)));
    EXPECT_TRUE(game.AnswerOpen());
    EXPECT_EQ(game.lastPlacedCell(), 1);

    // Confirming again judges the same cell afresh.
    ASSERT_TRUE(game.ChooseAnswer(NumberedRight(1, 5)));
    EXPECT_EQ(game.ConfirmJudge(), std::optional<bool>(true));
    game.ConfirmMark(true);
    EXPECT_EQ(game.cell(5), kNought);
    ASSERT_TRUE(game.undoConfirm().has_value());

    const std::optional<Placement> first = game.undoConfirm();
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->cell, 1);
    EXPECT_EQ(game.Side(), Team::Crosses);
    EXPECT_EQ(game.ChosenAnswer(), NumberedRight(1, 1));
    for (CellOwner c : game.Board())
        EXPECT_EQ(c, kEmptyCell);
    EXPECT_EQ(game.lastPlacedCell(), 0);

    // Nothing left: no change at all.
    game.ChooseSide(Team::Noughts);
    game.ChooseCell(2);
    EXPECT_EQ(game.undoConfirm(), std::nullopt);
    EXPECT_EQ(game.Side(), Team::Noughts);
    EXPECT_EQ(game.CurrentCell(), 2);
    EXPECT_TRUE(game.AnswerOpen());
}

TEST_F(GameStateTest, UndoingASecondConfirmationOfACellGivesBackTheFirstMark) {
    Turn(Team::Crosses, 4, NumberedRight(1, 4));
    game.ChooseSide(Team::Noughts);
    ASSERT_EQ(game.ConfirmJudge(), std::optional<bool>(true));  // answers already closed
    game.ConfirmMark(true);
    ASSERT_EQ(game.cell(4), kNought);

    const std::optional<Placement> back = game.undoConfirm();
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->mark, kCross);
    EXPECT_EQ(game.cell(4), kCross);
    EXPECT_EQ(game.Side(), Team::Noughts);
    EXPECT_FALSE(game.AnswerOpen()) << "the second confirmation found the answers closed";
    EXPECT_EQ(game.lastPlacedCell(), 4);

    EXPECT_EQ(game.undoConfirm().value().mark, kEmptyCell);
    EXPECT_EQ(game.Side(), Team::Crosses);
    EXPECT_TRUE(game.AnswerOpen());
}

TEST_F(GameStateTest, UndoBreaksTheLineTheConfirmationCompletedAndMendsOneItBroke) {
    for (int n : {1, 2})
        Turn(Team::Crosses, n, NumberedRight(1, n));
    ASSERT_TRUE(Turn(Team::Crosses, 3, NumberedRight(1, 3)));
    game.undoConfirm();
    EXPECT_FALSE(game.CheckLines());
    ASSERT_TRUE(Turn(Team::Crosses, 3, NumberedRight(1, 3)));
    // Confirming the line's cell again for the noughts breaks it; taking that back mends it.
    game.ChooseSide(Team::Noughts);
    ASSERT_EQ(game.ConfirmJudge(), std::optional<bool>(true));
    game.ConfirmMark(true);
    ASSERT_FALSE(game.CheckLines());
    game.undoConfirm();
    EXPECT_TRUE(game.CheckLines());
    EXPECT_EQ(game.cell(3), kCross);
}

// The window's cue fails between judging and marking: the answers are closed
// but nothing was placed, so nothing of that confirmation is there to take back.
TEST_F(GameStateTest, AJudgementThatWasNeverMarkedIsNoPlacement) {
    Turn(Team::Crosses, 6, NumberedRight(1, 6));
    game.ChooseSide(Team::Noughts);
    game.ChooseCell(8);
    game.ChooseAnswer(NumberedRight(1, 8));
    ASSERT_TRUE(game.ConfirmJudge().has_value());
    EXPECT_EQ(game.lastPlacedCell(), 6);
    EXPECT_EQ(game.undoConfirm().value().cell, 6);
    EXPECT_EQ(game.cell(8), kEmptyCell);
    EXPECT_EQ(game.Side(), Team::Crosses);
    // Marked but never line-tested (the picture failed): still a placement.
    game.ChooseSide(Team::Noughts);
    game.ChooseCell(8);
    ASSERT_TRUE(game.ConfirmJudge().has_value());
    game.ConfirmMark(false);
    EXPECT_EQ(game.lastPlacedCell(), 8);
    EXPECT_EQ(game.undoConfirm().value().cell, 8);
    EXPECT_EQ(game.cell(8), kEmptyCell);
}

TEST_F(GameStateTest, UndoNeverReachesIntoAnEarlierRoundOrBoard) {
    Turn(Team::Crosses, 5, NumberedRight(1, 5));
    // Confirming with no cell chosen places nothing.
    GameState fresh;
    fresh.ConfirmJudge();
    EXPECT_EQ(fresh.undoConfirm(), std::nullopt);

    game.ChooseSide(Team::Noughts);
    game.StartRound(bank, 2);
    EXPECT_EQ(game.lastPlacedCell(), 0);
    EXPECT_EQ(game.undoConfirm(), std::nullopt);
    EXPECT_EQ(game.cell(5), kEmptyCell);
    EXPECT_EQ(game.Side(), Team::Noughts);
    EXPECT_EQ(game.roundQuestion(1).question.view(), "Q10");

    // The first confirmation of the new round is the last one to take back.
    Turn(Team::Noughts, 5, NumberedRight(2, 5));
    ASSERT_TRUE(game.undoConfirm().has_value());
    EXPECT_EQ(game.undoConfirm(), std::nullopt);
    EXPECT_EQ(game.roundQuestion(1).question.view(), "Q10");

    // A round start that fails before the board is emptied leaves the old round to play on.
    Turn(Team::Crosses, 2, NumberedRight(2, 2));
    EXPECT_THROW(game.StartRound(bank, 3, [] { throw std::runtime_error("no click"); }),
                 std::runtime_error);
    EXPECT_EQ(game.lastPlacedCell(), 2);
    game.ResetBoard();
    EXPECT_EQ(game.undoConfirm(), std::nullopt);
}

}  // namespace
}  // namespace kletochka
