// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "authoring/problem.h"
#include "editor/field.h"

namespace kletochka::editor {

// One thing qbtool check would report, placed so a view can jump to it.
struct BankProblem {
    int round = 0;               // 1..7; 0 for the whole bank
    int cell = 0;                // 1..9; 0 for the whole round
    std::optional<Field> field;  // nothing for a whole round or question
    authoring::ProblemKind kind = authoring::ProblemKind::Table;
    QString text;    // in qbtool's words, without the place
    int line = 0;    // line of a table file; 0 in a bank
    QString column;  // the table's name for the field ("answer_b", "round")
    // What the text counts (see authoring::Problem): for Balance the letter 1..3
    // right in count of total; for Unwritten count questions of total.
    int letter = 0;
    int count = 0;
    int total = 0;
    authoring::TableFault fault = authoring::TableFault::None;
    QString value;     // the text of the file the fault names, as written there
    QString lineText;  // the table's line as written, when known

    // Whether the class would see it in the game: an empty or cut-off text,
    // or a question nobody can answer right.
    bool shownInGame() const;
    // "round 1, cell 3 (В), answer_b: empty", as qbtool check writes it.
    QString described() const;

    bool operator==(const BankProblem&) const = default;

    static BankProblem From(const authoring::Problem& problem);
};

// Those a check found, in the order found.
std::vector<BankProblem> BankProblems(const authoring::ProblemList& list);

}  // namespace kletochka::editor
