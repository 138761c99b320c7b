// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "bank/question_bank.h"
#include "game/cells.h"

namespace kletochka {

// The value of a board cell.
using CellOwner = std::int32_t;
inline constexpr CellOwner kEmptyCell = -1;
inline constexpr CellOwner kCross = 1;
inline constexpr CellOwner kNought = 0;

// The side to move; its value is that team's mark.
enum class Team : std::uint8_t { Noughts = 0, Crosses = 1 };

inline constexpr CellOwner MarkOf(Team team) {
    return static_cast<CellOwner>(team);
}

inline constexpr const char* kDefaultBankFile = "default.qb";
inline constexpr const char* kGameTitle = "Турнир-клеточка";

// A cell and what a confirmation, or the taking back of one, left in it.
struct Placement {
    int cell;  // 1..9
    CellOwner mark;
};

// All mutable state of a game and the rules that change it. Nothing here shows
// or plays anything; where the window's work falls between two steps of an
// operation, the operation takes it as a callback and runs it at that point.
class GameState {
  public:
    static constexpr int kCells = kBoardCells;
    using BoardCells = std::array<CellOwner, kCells>;
    using RoundQuestions = std::array<QuestionRecord, kCells>;

    const BoardCells& Board() const { return m_board; }
    // 1 <= n <= 9
    CellOwner cell(int n) const { return m_board.at(static_cast<std::size_t>(n - 1)); }
    Team Side() const { return m_side; }
    int CurrentCell() const { return m_currentCell; }
    int ChosenAnswer() const { return m_chosenAnswer; }
    bool AnswerOpen() const { return m_answerOpen; }
    // The question of cell 1 <= n <= 9 in the round being played.
    const QuestionRecord& roundQuestion(int n) const {
        return m_gameRound.at(static_cast<std::size_t>(n - 1));
    }
    const std::string& TitleText() const { return m_titleText; }  // UTF-8
    // The cell the last placement that can be taken back filled; 0 when there is none.
    int lastPlacedCell() const { return m_history.empty() ? 0 : m_history.back().placed.cell; }

    // Loads the default bank, empties the board and sets the title. The board
    // and title are set even when the load fails; the load's error is then rethrown.
    void InitGame(QuestionBank& bank, const std::filesystem::path& bankPath = kDefaultBankFile);
    // Empties the board; the placements on it can no longer be taken back.
    void ResetBoard();

    // Starts round 1 <= k <= 7: opens the answers, runs `between`, then copies the
    // round's nine questions and empties the board. When `between` throws, the
    // answers stay open and the old round and board stay as they were.
    void StartRound(const QuestionBank& bank, int k, const std::function<void()>& between = {});

    void ChooseSide(Team side) { m_side = side; }

    // Chooses cell 1 <= n <= 9 and gives its question; null, with nothing
    // changed and `click` not run, when the cell is taken. Otherwise the answers
    // open and `click` runs: cells 3 to 9 become current before it, cells 1 and
    // 2 after it, so a failing click leaves cell 1 or 2 not chosen.
    const QuestionRecord* ChooseCell(int n, const std::function<void()>& click = {});

    // Returns whether the choice was taken (only while answers are open).
    bool ChooseAnswer(int i);

    // Confirming: ConfirmJudge() closes the answers and tells whether the chosen
    // answer is right; ConfirmMark(right), after it, writes the mark; CheckLines()
    // tests the lines. With no cell chosen yet there is nothing to judge or mark:
    // nullopt and no change.
    std::optional<bool> ConfirmJudge();
    std::optional<Placement> ConfirmMark(bool right);

    // Takes back the last placement since the board was emptied: its cell holds
    // what it held before, and Side, CurrentCell, ChosenAnswer and AnswerOpen are
    // as ConfirmJudge found them. Returns the cell and what it holds now; nullopt,
    // with no change, when nothing is left to take back.
    std::optional<Placement> undoConfirm();

    // True when some row, column or diagonal holds three equal marks.
    bool CheckLines() const;

  private:
    static constexpr BoardCells emptyBoard() {
        BoardCells board{};
        board.fill(kEmptyCell);
        return board;
    }

    // A placement and the state just before its confirmation.
    struct Confirmation {
        Placement placed;
        CellOwner before;
        Team side;
        int chosenAnswer;
        bool answerOpen;
    };

    BoardCells m_board = emptyBoard();
    Team m_side = Team::Noughts;
    int m_currentCell = 0;
    int m_chosenAnswer = 0;
    bool m_answerOpen = false;
    RoundQuestions m_gameRound{};  // a copy: a bank opened mid-round waits for the next
    std::string m_titleText;
    bool m_openBeforeJudge = false;       // AnswerOpen as the last ConfirmJudge found it
    std::vector<Confirmation> m_history;  // the placements on this board, oldest first
};

}  // namespace kletochka
