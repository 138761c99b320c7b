// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "problem_texts.h"

#include <QCoreApplication>

#include "problem_model.h"
#include "window_texts.h"

namespace kletochka::editor {

namespace {

struct ProblemTextsTr {
    Q_DECLARE_TR_FUNCTIONS(ProblemTexts)
};
using T = ProblemTextsTr;

QString FieldName(Field field) {
    switch (field) {
        case Field::Question:
            return T::tr("question");
        case Field::AnswerA:
            return T::tr("answer A");
        case Field::AnswerB:
            return T::tr("answer B");
        case Field::AnswerC:
            return T::tr("answer C");
        case Field::Correct:
            break;
    }
    return T::tr("right answer");
}

QString Place(const BankProblem& problem) {
    if (problem.round == 0) {
        return problem.line > 0 ? T::tr("Line %1").arg(problem.line) : T::tr("The bank");
    }
    if (problem.cell == 0) {
        return T::tr("Round %1").arg(problem.round);
    }
    QString place = T::tr("Round %1, cell %2").arg(problem.round).arg(CellLetter(problem.cell));
    if (problem.field) {
        place += QLatin1String(", ") + FieldName(*problem.field);
    }
    return place;
}

QString What(const BankProblem& problem) {
    using authoring::ProblemKind;
    switch (problem.kind) {
        case ProblemKind::Empty:
            return T::tr("empty, the class would see nothing");
        case ProblemKind::TooWide:
            return T::tr("too wide, the class would see it cut off");
        case ProblemKind::Ampersand:
            return T::tr("\"&\" is not shown, the letter after it is underlined");
        case ProblemKind::NoRightAnswer:
            return T::tr("no right answer chosen");
        case ProblemKind::Repeat:
            return T::tr("the same question as another cell");
        case ProblemKind::Balance:
            return T::tr("too many right answers under one letter");
        case ProblemKind::Overlong:
            return T::tr("longer than a field holds, the game shows only its start");
        case ProblemKind::Table:
        case ProblemKind::FileSize:
            break;
    }
    return problem.text;
}

}  // namespace

QString ProblemSummary(const BankProblem& problem) {
    return Place(problem) + QLatin1String(": ") + What(problem);
}

QVariant ProblemTexts::data(const QModelIndex& index, int role) const {
    const auto* problems = qobject_cast<const ProblemModel*>(sourceModel());
    if (problems == nullptr || !index.isValid()) {
        return QIdentityProxyModel::data(index, role);
    }
    const BankProblem& problem = problems->problemAt(mapToSource(index).row());
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return ProblemSummary(problem);
        case Qt::ToolTipRole:
            return problem.described();
        default:
            return QIdentityProxyModel::data(index, role);
    }
}

}  // namespace kletochka::editor
