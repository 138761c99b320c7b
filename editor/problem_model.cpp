// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/problem_model.h"

#include "editor/bank_document.h"

namespace kletochka::editor {

ProblemModel::ProblemModel(BankDocument& document, QObject* parent)
    : QAbstractListModel(parent), m_document(document), m_problems(document.problems().listed()) {
    connect(&m_document, &BankDocument::problemsChanged, this, &ProblemModel::onProblemsChanged);
}

int ProblemModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_problems.size());
}

QVariant ProblemModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const BankProblem& p = problemAt(index.row());
    switch (role) {
        case Qt::DisplayRole:
            return p.described();
        case RoundRole:
            return p.round;
        case CellRole:
            return p.cell;
        case FieldRole:
            return p.field ? static_cast<int>(*p.field) : -1;
        case KindRole:
            return static_cast<int>(p.kind);
        case ShownInGameRole:
            return p.shownInGame();
        case TextRole:
            return p.text;
        case LineRole:
            return p.line;
        case LineTextRole:
            return p.lineText;
        default:
            return {};
    }
}

QHash<int, QByteArray> ProblemModel::roleNames() const {
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    names.insert(RoundRole, "round");
    names.insert(CellRole, "cell");
    names.insert(FieldRole, "field");
    names.insert(KindRole, "kind");
    names.insert(ShownInGameRole, "shownInGame");
    names.insert(TextRole, "text");
    names.insert(LineRole, "line");
    names.insert(LineTextRole, "lineText");
    return names;
}

void ProblemModel::showTable(const QString& path, std::vector<BankProblem> problems) {
    beginResetModel();
    m_table = path;
    m_problems = std::move(problems);
    endResetModel();
}

void ProblemModel::onProblemsChanged() {
    // Most keystrokes change nothing in the list; a view keeps its place then.
    const std::vector<BankProblem>& now = m_document.problems().listed();
    if (m_table.isEmpty() && now == m_problems) {
        return;
    }
    beginResetModel();
    m_table.clear();
    m_problems = now;
    endResetModel();
}

}  // namespace kletochka::editor
