// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/game_state.h"

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
    m_history.clear();
}

void GameState::StartRound(const QuestionBank& bank, int k, const std::function<void()>& between) {
    m_answerOpen = true;
    if (between) {
        between();
    }
    const auto questions = bank.round(k);
    std::copy(questions.begin(), questions.end(), m_gameRound.begin());
    ResetBoard();
}

const QuestionRecord* GameState::ChooseCell(int n, const std::function<void()>& click) {
    if (cell(n) != kEmptyCell) {
        return nullptr;
    }
    m_answerOpen = true;
    // The host hears the click of cells 1 and 2 before they become current.
    const bool clickFirst = n <= 2;
    if (clickFirst && click) {
        click();
    }
    m_currentCell = n;
    if (!clickFirst && click) {
        click();
    }
    return &roundQuestion(n);
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
    m_openBeforeJudge = m_answerOpen;
    m_answerOpen = false;
    // Neither the cell's state nor when the answer was chosen matters: the host decides.
    return m_chosenAnswer == roundQuestion(m_currentCell).correct();
}

std::optional<Placement> GameState::ConfirmMark(bool right) {
    if (m_currentCell == 0) {
        return std::nullopt;
    }
    const Team owner = right ? m_side : (m_side == Team::Crosses ? Team::Noughts : Team::Crosses);
    const CellOwner mark = MarkOf(owner);
    CellOwner& target = m_board.at(static_cast<std::size_t>(m_currentCell - 1));
    m_history.push_back({{m_currentCell, mark}, target, m_side, m_chosenAnswer, m_openBeforeJudge});
    target = mark;
    return Placement{m_currentCell, mark};
}

std::optional<Placement> GameState::undoConfirm() {
    if (m_history.empty()) {
        return std::nullopt;
    }
    const Confirmation last = m_history.back();
    m_history.pop_back();
    const int n = last.placed.cell;
    m_board.at(static_cast<std::size_t>(n - 1)) = last.before;
    m_side = last.side;
    m_currentCell = n;
    m_chosenAnswer = last.chosenAnswer;
    m_answerOpen = last.answerOpen;
    return Placement{n, last.before};
}

bool GameState::CheckLines() const {
    return std::any_of(kLines.begin(), kLines.end(), [this](const Line& line) {
        const CellOwner first = cell(line[0]);
        return (first == kCross || first == kNought) && cell(line[1]) == first &&
               cell(line[2]) == first;
    });
}

}  // namespace kletochka
