// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kletochka::qbtool {

// Something wrong with a table or a bank, placed as precisely as is known.
struct Problem {
    int line = 0;       // line of the CSV file; 0 when not read from one
    int round = 0;      // 1..7; 0 when not known
    int cell = 0;       // 1..9; 0 when not known
    std::string field;  // the column, e.g. "answer_b"; empty for a whole row or record
    std::string text;
};

// "line 4, round 1, cell 3 (В), answer_b: text"
std::string FormatProblem(const Problem& problem);

// The board letter of cell 1..9 as the game shows it; "?" for any other number.
std::string CellLetter(int cell);

// Problems in the order found; keeps the first kKept so a huge junk file cannot eat the memory.
class ProblemList {
  public:
    static constexpr std::size_t kKept = 1000;

    void add(Problem problem);
    const std::vector<Problem>& kept() const { return m_kept; }
    std::size_t count() const { return m_count; }
    bool empty() const { return m_count == 0; }

  private:
    std::vector<Problem> m_kept;
    std::size_t m_count = 0;
};

}  // namespace kletochka::qbtool
