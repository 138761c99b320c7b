// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/cell_model.h"

#include "authoring/problem.h"
#include "editor/bank_document.h"

namespace kletochka::editor {

namespace {

bool Filled(const QuestionRecord& record) {
    const int correct = record.correct();
    return !record.question.view().empty() && !record.answerA.view().empty() &&
           !record.answerB.view().empty() && !record.answerC.view().empty() && correct >= 1 &&
           correct <= 3;
}

}  // namespace

CellModel::CellModel(BankDocument& document, QObject* parent)
    : QAbstractTableModel(parent), m_document(document) {
    connect(&m_document, &BankDocument::textChanged, this,
            [this](int round, int cell, Field) { onCellChanged(round, cell); });
    connect(&m_document, &BankDocument::correctChanged, this, &CellModel::onCellChanged);
    connect(&m_document, &BankDocument::problemsChanged, this, &CellModel::onProblemsChanged);
    connect(&m_document, &BankDocument::bankReset, this, &CellModel::onBankReset);
    onProblemsChanged();
}

int CellModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : QuestionBank::kRounds;
}

int CellModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : QuestionBank::kCellsPerRound;
}

QVariant CellModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const int round = index.row() + 1;
    const int cell = index.column() + 1;
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(authoring::CellLetter(cell));
        case Qt::ToolTipRole:
        case QuestionRole:
            return m_document.text(round, cell, Field::Question);
        case FilledRole:
            return Filled(m_document.record(round, cell));
        case ProblemRole:
            return m_document.problems().countAt(round, cell) > 0;
        case ProblemCountRole:
            return m_document.problems().countAt(round, cell);
        case UnwrittenRole:
            return m_document.problems().isUnwritten(round, cell);
        case RoundRole:
            return round;
        case CellRole:
            return cell;
        default:
            return {};
    }
}

QVariant CellModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || section < 0) {
        return {};
    }
    if (orientation == Qt::Horizontal && section < QuestionBank::kCellsPerRound) {
        return QString::fromStdString(authoring::CellLetter(section + 1));
    }
    if (orientation == Qt::Vertical && section < QuestionBank::kRounds) {
        return section + 1;
    }
    return {};
}

QHash<int, QByteArray> CellModel::roleNames() const {
    QHash<int, QByteArray> names = QAbstractTableModel::roleNames();
    names.insert(FilledRole, "filled");
    names.insert(ProblemRole, "problem");
    names.insert(ProblemCountRole, "problemCount");
    names.insert(QuestionRole, "question");
    names.insert(RoundRole, "round");
    names.insert(CellRole, "cell");
    names.insert(UnwrittenRole, "unwritten");
    return names;
}

void CellModel::onCellChanged(int round, int cell) {
    const QModelIndex at = indexOf(round, cell);
    emit dataChanged(at, at, {Qt::ToolTipRole, QuestionRole, FilledRole, UnwrittenRole});
}

void CellModel::onProblemsChanged() {
    for (int round = 1; round <= QuestionBank::kRounds; ++round) {
        for (int cell = 1; cell <= QuestionBank::kCellsPerRound; ++cell) {
            int& known = m_problemCounts[static_cast<std::size_t>(
                (round - 1) * QuestionBank::kCellsPerRound + cell - 1)];
            const int now = m_document.problems().countAt(round, cell);
            if (now != known) {
                known = now;
                const QModelIndex at = indexOf(round, cell);
                emit dataChanged(at, at, {ProblemRole, ProblemCountRole});
            }
        }
    }
}

void CellModel::onBankReset() {
    for (int round = 1; round <= QuestionBank::kRounds; ++round) {
        for (int cell = 1; cell <= QuestionBank::kCellsPerRound; ++cell) {
            m_problemCounts[static_cast<std::size_t>((round - 1) * QuestionBank::kCellsPerRound +
                                                     cell - 1)] =
                m_document.problems().countAt(round, cell);
        }
    }
    emit dataChanged(index(0, 0),
                     index(QuestionBank::kRounds - 1, QuestionBank::kCellsPerRound - 1));
}

}  // namespace kletochka::editor
