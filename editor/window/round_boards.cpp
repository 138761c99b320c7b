// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/window/round_boards.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QToolButton>

#include "bank/question_bank.h"
#include "widgets/window_texts.h"

namespace kletochka::editor {

namespace {

constexpr int kRounds = QuestionBank::kRounds;
constexpr int kCells = QuestionBank::kCellsPerRound;

int Id(int round, int cell) {
    return (round - 1) * kCells + (cell - 1);
}

}  // namespace

QIcon CellStateIcon(CellState state) {
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    if (state == CellState::Empty) {
        painter.setPen(QPen(QColor(150, 150, 150), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QRectF(1.5, 1.5, 9, 9));
        return QIcon(pixmap);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(state == CellState::Filled ? QColor(30, 150, 60) : QColor(210, 30, 30));
    painter.drawEllipse(1, 1, 10, 10);
    if (state == CellState::Problem) {
        painter.setPen(QPen(Qt::white, 2));
        painter.drawLine(6, 3, 6, 7);
        painter.drawPoint(6, 9);
    }
    return QIcon(pixmap);
}

RoundBoards::RoundBoards(QWidget* parent) : QWidget(parent), m_group(new QButtonGroup(this)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    for (int round = 1; round <= kRounds; ++round) {
        auto* board = new QGroupBox(tr("Round %1").arg(round), this);
        board->setAccessibleName(board->title());
        auto* grid = new QGridLayout(board);
        grid->setSpacing(2);
        for (int cell = 1; cell <= kCells; ++cell) {
            auto* button = new QToolButton(board);
            button->setText(CellCaption(cell));
            button->setCheckable(true);
            // The cells are reached with Ctrl+Up/Down and Ctrl+1…7, so Tab stays among the fields.
            button->setFocusPolicy(Qt::NoFocus);
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
            button->setMinimumSize(34, 26);
            button->setAccessibleName(tr("Round %1, cell %2").arg(round).arg(CellCaption(cell)));
            m_group->addButton(button, Id(round, cell));
            grid->addWidget(button, (cell - 1) / 3, (cell - 1) % 3);
            button->setIcon(CellStateIcon(CellState::Empty));
            at(round, cell).button = button;
        }
        row->addWidget(board);
    }
    row->addStretch();
    connect(m_group, &QButtonGroup::idClicked, this, [this](int id) {
        m_round = id / kCells + 1;
        m_cell = id % kCells + 1;
        emit cellChosen(m_round, m_cell);
    });
    choose(1, 1);
}

void RoundBoards::choose(int round, int cell) {
    m_round = round;
    m_cell = cell;
    at(round, cell).button->setChecked(true);
}

void RoundBoards::setState(int round, int cell, CellState state, const QString& summary) {
    Cell& c = at(round, cell);
    if (c.state != state) {
        c.state = state;
        c.button->setIcon(CellStateIcon(state));
    }
    c.button->setToolTip(summary);
    c.button->setAccessibleDescription(summary);
}

CellState RoundBoards::state(int round, int cell) const {
    return at(round, cell).state;
}

QAbstractButton* RoundBoards::button(int round, int cell) const {
    return at(round, cell).button;
}

RoundBoards::Cell& RoundBoards::at(int round, int cell) {
    return m_cells.at(static_cast<std::size_t>(Id(round, cell)));
}

const RoundBoards::Cell& RoundBoards::at(int round, int cell) const {
    return m_cells.at(static_cast<std::size_t>(Id(round, cell)));
}

}  // namespace kletochka::editor
