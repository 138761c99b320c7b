// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/problem.h"

#include "game/cells.h"

namespace kletochka::authoring {

std::string CellLetter(int cell) {
    return std::string(kletochka::CellLetter(cell));
}

std::string FormatProblem(const Problem& problem) {
    std::string place;
    const auto addPart = [&place](const std::string& part) {
        place += place.empty() ? part : ", " + part;
    };
    if (problem.line > 0) {
        addPart("line " + std::to_string(problem.line));
    }
    if (problem.round > 0) {
        addPart("round " + std::to_string(problem.round));
    }
    if (problem.cell > 0) {
        addPart("cell " + std::to_string(problem.cell) + " (" + CellLetter(problem.cell) + ")");
    }
    if (!problem.field.empty()) {
        addPart(problem.field);
    }
    return place.empty() ? problem.text : place + ": " + problem.text;
}

void ProblemList::add(Problem problem) {
    ++m_count;
    if (m_kept.size() < kKept) {
        m_kept.push_back(std::move(problem));
    }
}

}  // namespace kletochka::authoring
