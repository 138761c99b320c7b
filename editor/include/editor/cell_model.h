// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <array>

#include "bank/question_bank.h"

namespace kletochka::editor {

class BankDocument;

// The board of every round: row = round - 1, column = cell - 1. Shows the
// cell's letter (А…И) and tells whether its question is filled in and whether
// it has a problem or is not written yet; only the cells that change are reported changed.
class CellModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Role {
        FilledRole = Qt::UserRole + 1,  // bool: all three answers, the question and the right one
        ProblemRole,                    // bool: something to fix in what is written
        ProblemCountRole,               // int
        QuestionRole,                   // QString: the question as the game shows it
        RoundRole,                      // int 1..7
        CellRole,                       // int 1..9
        UnwrittenRole,                  // bool: nothing in it yet, as in a new bank
    };

    explicit CellModel(BankDocument& document, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    QModelIndex indexOf(int round, int cell) const { return index(round - 1, cell - 1); }

  private:
    void onCellChanged(int round, int cell);
    void onProblemsChanged();
    void onBankReset();

    BankDocument& m_document;
    std::array<int, QuestionBank::kRecords> m_problemCounts{};  // as last reported
};

}  // namespace kletochka::editor
