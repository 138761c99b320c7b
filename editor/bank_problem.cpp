// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/bank_problem.h"

namespace kletochka::editor {

using authoring::ProblemKind;

bool BankProblem::shownInGame() const {
    return kind == ProblemKind::Empty || kind == ProblemKind::TooWide ||
           kind == ProblemKind::Overlong || kind == ProblemKind::NoRightAnswer;
}

QString BankProblem::described() const {
    return QString::fromStdString(
        authoring::FormatProblem({line, round, cell, column.toStdString(), text.toStdString(), kind,
                                  letter, count, total, fault, value.toStdString()}));
}

BankProblem BankProblem::From(const authoring::Problem& problem) {
    const auto column = authoring::ColumnNamed(problem.field);
    return {problem.round,
            problem.cell,
            column ? FieldOf(*column) : std::nullopt,
            problem.kind,
            QString::fromStdString(problem.text),
            problem.line,
            QString::fromStdString(problem.field),
            problem.letter,
            problem.count,
            problem.total,
            problem.fault,
            QString::fromStdString(problem.value),
            {}};
}

std::vector<BankProblem> BankProblems(const authoring::ProblemList& list) {
    std::vector<BankProblem> problems;
    problems.reserve(list.kept().size());
    for (const authoring::Problem& p : list.kept()) {
        problems.push_back(BankProblem::From(p));
    }
    return problems;
}

}  // namespace kletochka::editor
