// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "question_bank.h"

namespace kletochka {

// The value of a board cell.
using CellOwner = std::int32_t;
inline constexpr CellOwner kEmptyCell = -1;
inline constexpr CellOwner kCross = 1;
inline constexpr CellOwner kNought = 0;

// The side to move; its value is that team's mark.
enum class Team : std::uint8_t { Noughts = 0, Crosses = 1 };

inline constexpr CellOwner MarkOf(Team team) { return static_cast<CellOwner>(team); }

inline constexpr const char* kDefaultBankFile = "default.qb";
inline constexpr const char* kGameTitle = "Турнир-клеточка";

// Where a confirmation put its mark.
struct Placement {
    int cell;  // 1..9
    CellOwner mark;
};

// All mutable state of a game and the rules that change it. Nothing here shows
// or plays anything; the window calls the steps in the order it needs and
// updates the screen in between.
class GameState {
public:
    static constexpr int kCells = 9;
    using BoardCells = std::array<CellOwner, kCells>;
    using RoundQuestions = std::array<QuestionRecord, kCells>;

    const BoardCells& Board() const { return m_board; }
    // 1 <= n <= 9
    CellOwner cell(int n) const { return m_board.at(static_cast<std::size_t>(n - 1)); }
    Team Side() const { return m_side; }
    int CurrentCell() const { return m_currentCell; }
    int ChosenAnswer() const { return m_chosenAnswer; }
    bool AnswerOpen() const { return m_answerOpen; }
    const RoundQuestions& GameRound() const { return m_gameRound; }
    // The question of cell 1 <= n <= 9 in the round being played.
    const QuestionRecord& roundQuestion(int n) const {
        return m_gameRound.at(static_cast<std::size_t>(n - 1));
    }
    const std::string& TitleText() const { return m_titleText; }  // UTF-8

    // Loads the default bank, empties the board and sets the title. The board
    // and title are set even when the load fails; the load's error is then rethrown.
    void InitGame(QuestionBank& bank, const std::filesystem::path& bankPath = kDefaultBankFile);
    void ResetBoard();

    // Starting round k: OpenAnswers(), then TakeRoundQuestions(bank, k), then ResetBoard().
    void OpenAnswers() { m_answerOpen = true; }
    void TakeRoundQuestions(const QuestionBank& bank, int k);  // 1 <= k <= 7
    void StartRound(const QuestionBank& bank, int k);          // all three steps

    void ChooseSide(Team side) { m_side = side; }

    // Choosing cell n: ChooseCellOpen(n) refuses an occupied cell and otherwise
    // opens the answers; TakeCell(n) then makes it current and gives its question.
    bool ChooseCellOpen(int n);
    const QuestionRecord& TakeCell(int n);
    const QuestionRecord* ChooseCell(int n);  // both steps; null when refused

    // Returns whether the choice was taken (only while answers are open).
    bool ChooseAnswer(int i);

    // Confirming: ConfirmJudge() closes the answers and tells whether the chosen
    // answer is right; ConfirmMark(right) writes the mark; CheckLines() tests
    // the lines. With no cell chosen yet there is nothing to judge: nullopt and
    // no change.
    std::optional<bool> ConfirmJudge();
    Placement ConfirmMark(bool right);

    // True when some row, column or diagonal holds three equal marks.
    bool CheckLines() const;

private:
    BoardCells m_board{};  // all 0 until InitGame
    Team m_side = Team::Noughts;
    int m_currentCell = 0;
    int m_chosenAnswer = 0;
    bool m_answerOpen = false;
    RoundQuestions m_gameRound{};
    std::string m_titleText;
};

}  // namespace kletochka
