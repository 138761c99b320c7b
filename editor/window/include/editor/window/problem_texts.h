// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIdentityProxyModel>

#include "editor/bank_problem.h"

namespace kletochka::editor {

// What the class would notice, in the user's language, as the list and the
// preview both say it; empty for a kind told only in qbtool's words.
QString ProblemWords(authoring::ProblemKind kind);

// A problem in the user's language: where it is and what the class would
// notice, e.g. "Round 1, cell В, answer B: empty".
QString ProblemSummary(const BankProblem& problem);

// The document's problems as the window lists them: the summary to read, and
// as the tooltip the same whole, with a table's line as written.
class ProblemTexts : public QIdentityProxyModel {
    Q_OBJECT
  public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};

}  // namespace kletochka::editor
