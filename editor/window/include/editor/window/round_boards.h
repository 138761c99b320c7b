// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QWidget>
#include <array>

class QAbstractButton;
class QButtonGroup;
class QToolButton;

namespace kletochka::editor {

// What a cell's button tells at a glance: Empty is a question not written yet,
// which is work still to do rather than something to fix.
enum class CellState { Empty, Filled, Problem };

// The badge for a state: a grey ring for Empty, green for Filled, red with "!" for Problem.
QIcon CellStateIcon(CellState state);

// The seven rounds side by side, each as the game's 3 × 3 board with the
// letters А…И; one cell of all 63 is the chosen one.
class RoundBoards : public QWidget {
    Q_OBJECT
  public:
    explicit RoundBoards(QWidget* parent = nullptr);

    // 1 <= round <= 7, 1 <= cell <= 9
    void choose(int round, int cell);
    int round() const { return m_round; }
    int cell() const { return m_cell; }
    // summary is the cell's tooltip and accessible description.
    void setState(int round, int cell, CellState state, const QString& summary);
    CellState state(int round, int cell) const;
    QAbstractButton* button(int round, int cell) const;

  signals:
    // The person chose a cell (not choose()).
    void cellChosen(int round, int cell);

  private:
    struct Cell {
        QToolButton* button = nullptr;
        CellState state = CellState::Empty;
    };
    Cell& at(int round, int cell);
    const Cell& at(int round, int cell) const;

    std::array<Cell, 63> m_cells{};
    QButtonGroup* m_group = nullptr;
    int m_round = 1;
    int m_cell = 1;
};

}  // namespace kletochka::editor
