// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>
#include <vector>

#include "editor/bank_problem.h"

namespace kletochka::editor {

class BankDocument;

// The document's problems as LiveProblems lists them: what is wrong in what is
// written, then how many questions are not written yet. A table that failed to
// open shows its mistakes instead, until the document's problems next change.
class ProblemModel : public QAbstractListModel {
    Q_OBJECT

  public:
    enum Role {
        RoundRole = Qt::UserRole + 1,  // int; 0 for the whole bank
        CellRole,                      // int; 0 for the whole round
        FieldRole,                     // int of Field, or -1 for none
        KindRole,                      // int of authoring::ProblemKind
        ShownInGameRole,               // bool
        TextRole,                      // QString: the problem without its place
        LineRole,                      // int: the line of a table; 0 in a bank
        LineTextRole,                  // QString: that line as the table has it
    };

    explicit ProblemModel(BankDocument& document, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    // DisplayRole: the problem with its place, as qbtool check writes it.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    const BankProblem& problemAt(int row) const {
        return m_problems.at(static_cast<std::size_t>(row));
    }

    // The mistakes of the table at path, which did not open.
    void showTable(const QString& path, std::vector<BankProblem> problems);
    // The table whose mistakes are shown; empty while the document's problems are.
    const QString& shownTable() const { return m_table; }

  private:
    void onProblemsChanged();

    BankDocument& m_document;
    std::vector<BankProblem> m_problems;
    QString m_table;
};

}  // namespace kletochka::editor
