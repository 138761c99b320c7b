// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_state.h"

#include <algorithm>
#include <exception>

namespace kletochka {

void GameState::InitGame(QuestionBank& bank, const std::filesystem::path& bankPath) {
    std::exception_ptr loadFailure;
    try {
        LoadQuestionBank(bank, bankPath);
    } catch (...) {
        loadFailure = std::current_exception();
    }
    // A bad default bank must not leave a board of noughts and a nameless title.
    ResetBoard();
    m_titleText = kGameTitle;
    if (loadFailure) {
        std::rethrow_exception(loadFailure);
    }
}

void GameState::ResetBoard() {
    m_board.fill(kEmptyCell);
}

void GameState::TakeRoundQuestions(const QuestionBank& bank, int k) {
    const auto questions = bank.round(k);
    std::copy(questions.begin(), questions.end(), m_gameRound.begin());
}

void GameState::StartRound(const QuestionBank& bank, int k) {
    OpenAnswers();
    TakeRoundQuestions(bank, k);
    ResetBoard();
}

bool GameState::ChooseCellOpen(int n) {
    if (cell(n) != kEmptyCell) {
        return false;
    }
    m_answerOpen = true;
    return true;
}

const QuestionRecord& GameState::TakeCell(int n) {
    m_currentCell = n;
    return roundQuestion(n);
}

const QuestionRecord* GameState::ChooseCell(int n) {
    return ChooseCellOpen(n) ? &TakeCell(n) : nullptr;
}

bool GameState::ChooseAnswer(int i) {
    if (!m_answerOpen) {
        return false;
    }
    m_chosenAnswer = i;
    return true;
}

std::optional<bool> GameState::ConfirmJudge() {
    if (m_currentCell == 0) {
        return std::nullopt;
    }
    m_answerOpen = false;
    // Neither the cell's state nor when the answer was chosen matters: the host decides.
    return m_chosenAnswer == roundQuestion(m_currentCell).correct();
}

Placement GameState::ConfirmMark(bool right) {
    const Team owner = right ? m_side : (m_side == Team::Crosses ? Team::Noughts : Team::Crosses);
    const CellOwner mark = MarkOf(owner);
    m_board.at(static_cast<std::size_t>(m_currentCell - 1)) = mark;
    return {m_currentCell, mark};
}

bool GameState::CheckLines() const {
    static constexpr int kLines[8][3] = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {1, 4, 7},
                                         {2, 5, 8}, {3, 6, 9}, {1, 5, 9}, {3, 5, 7}};
    return std::any_of(std::begin(kLines), std::end(kLines), [this](const int(&line)[3]) {
        const CellOwner first = cell(line[0]);
        return (first == kCross || first == kNought) && cell(line[1]) == first && cell(line[2]) == first;
    });
}

}  // namespace kletochka
