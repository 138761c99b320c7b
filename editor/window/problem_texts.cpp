// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/window/problem_texts.h"

#include <QPalette>

#include "editor/problem_model.h"
#include "editor/window/fault_texts.h"
#include "editor/window/round_boards.h"
#include "widgets/window_texts.h"

namespace kletochka::editor {

namespace {

QString FieldName(Field field) {
    switch (field) {
        case Field::Question:
            return ProblemTexts::tr("question");
        case Field::AnswerA:
            return ProblemTexts::tr("answer A");
        case Field::AnswerB:
            return ProblemTexts::tr("answer B");
        case Field::AnswerC:
            return ProblemTexts::tr("answer C");
        case Field::Correct:
            break;
    }
    return ProblemTexts::tr("right answer");
}

// The name of a table's column that is no field of the form.
QString ColumnName(const QString& column) {
    const auto named = authoring::ColumnNamed(column.toStdString());
    if (named == authoring::kRound) {
        return ProblemTexts::tr("round number");
    }
    if (named == authoring::kCell) {
        return ProblemTexts::tr("cell number");
    }
    return {};
}

// Where in the question: after a table's line, in lower case.
QString Question(const BankProblem& problem, bool first) {
    if (problem.round == 0) {
        return {};
    }
    if (problem.cell == 0) {
        return first ? ProblemTexts::tr("Round %1").arg(problem.round)
                     : ProblemTexts::tr("round %1").arg(problem.round);
    }
    return (first ? ProblemTexts::tr("Round %1, cell %2") : ProblemTexts::tr("round %1, cell %2"))
        .arg(problem.round)
        .arg(CellCaption(problem.cell));
}

QString Place(const BankProblem& problem) {
    QStringList parts;
    if (problem.line > 0) {
        parts << ProblemTexts::tr("Line %1").arg(problem.line);
    }
    if (const QString question = Question(problem, parts.isEmpty()); !question.isEmpty()) {
        parts << question;
    }
    const QString column = problem.field ? FieldName(*problem.field) : ColumnName(problem.column);
    if (!column.isEmpty()) {
        parts << column;
    }
    return parts.isEmpty() ? ProblemTexts::tr("The bank") : parts.join(QLatin1String(", "));
}

}  // namespace

QString ProblemWords(authoring::ProblemKind kind) {
    using authoring::ProblemKind;
    switch (kind) {
        case ProblemKind::Empty:
            return ProblemTexts::tr("empty, the class would see nothing");
        case ProblemKind::TooWide:
            return ProblemTexts::tr("too wide, the class would see it cut off");
        case ProblemKind::Ampersand:
            return ProblemTexts::tr("\"&\" is not shown, the letter after it is underlined");
        case ProblemKind::NoRightAnswer:
            return ProblemTexts::tr("no right answer chosen");
        case ProblemKind::Repeat:
            return ProblemTexts::tr("the same question as another cell");
        case ProblemKind::Balance:
            return ProblemTexts::tr("too many right answers under one letter");
        case ProblemKind::Overlong:
            return ProblemTexts::tr("longer than a field holds, the game shows only its start");
        case ProblemKind::Unwritten:
            return ProblemTexts::tr("not written yet");
        case ProblemKind::Box:
            return ProblemTexts::tr("a character the game shows as a box");
        case ProblemKind::Table:
        case ProblemKind::FileSize:
        case ProblemKind::CutShort:
        case ProblemKind::Rewritten:
            break;
    }
    return {};
}

QString ProblemSummary(const BankProblem& problem) {
    using authoring::ProblemKind;
    if (problem.kind == ProblemKind::Unwritten) {
        return ProblemTexts::tr("Not written yet: %n question(s) of %1", nullptr, problem.count)
            .arg(problem.total);
    }
    if (problem.kind == ProblemKind::Balance && problem.letter >= 1 && problem.letter <= 3) {
        return ProblemTexts::tr(
                   "Too often one letter: in round %1 the right answer is \"%2\" "
                   "for %n of %3 questions",
                   nullptr, problem.count)
            .arg(problem.round)
            .arg(QLatin1Char(static_cast<char>('A' + problem.letter - 1)))
            .arg(problem.total);
    }
    if (problem.kind == ProblemKind::CutShort) {
        return Place(problem) + QLatin1String(": ") +
               ProblemTexts::tr(
                   "cut short: only %n whole question(s) of 63, so the game cannot open it",
                   nullptr, problem.count);
    }
    if (problem.kind == ProblemKind::Box && problem.count > 0) {
        return Place(problem) + QLatin1String(": ") +
               ProblemTexts::tr("character %1 is shown as a box in the game").arg(problem.count);
    }
    const QString words = ProblemWords(problem.kind);
    return Place(problem) + QLatin1String(": ") + (words.isEmpty() ? FaultWords(problem) : words);
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
            // The whole of it, where the list is too narrow, and a table's line as written.
            return problem.lineText.isEmpty()
                       ? ProblemSummary(problem)
                       : ProblemSummary(problem) + QLatin1Char('\n') + problem.lineText;
        case Qt::DecorationRole:
            return CellStateIcon(problem.kind == authoring::ProblemKind::Unwritten
                                     ? CellState::Empty
                                     : CellState::Problem);
        case Qt::ForegroundRole:
            // Work still to do, not a fault: in a quieter colour.
            if (problem.kind == authoring::ProblemKind::Unwritten) {
                return QPalette().brush(QPalette::PlaceholderText);
            }
            return QIdentityProxyModel::data(index, role);
        default:
            return QIdentityProxyModel::data(index, role);
    }
}

}  // namespace kletochka::editor
