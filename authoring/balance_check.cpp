// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/balance_check.h"

#include <array>

#include "bank/question_bank.h"

namespace kletochka::authoring {

std::vector<std::string> CheckAnswerBalance(const std::vector<PlacedRecord>& records,
                                            ProblemList& problems) {
    // [round][0] counts answers outside 1..3, [round][1..3] A, B, C.
    std::array<std::array<int, 4>, QuestionBank::kRounds + 1> counts{};
    for (const PlacedRecord& placed : records) {
        if (placed.rejected[kCorrect]) {
            continue;
        }
        const std::int32_t correct = placed.record.correct();
        ++counts[static_cast<std::size_t>(placed.round)]
                [correct >= 1 && correct <= 3 ? static_cast<std::size_t>(correct) : 0];
    }
    std::vector<std::string> lines;
    for (int round = 1; round <= QuestionBank::kRounds; ++round) {
        const auto& c = counts[static_cast<std::size_t>(round)];
        std::string line = "round " + std::to_string(round) + ": A " + std::to_string(c[1]) +
                           ", B " + std::to_string(c[2]) + ", C " + std::to_string(c[3]);
        if (c[0] > 0) {
            line += ", " + std::to_string(c[0]) + " not A, B or C";
        }
        lines.push_back(line);
        const int total = c[1] + c[2] + c[3];
        // A share means something only once every right answer of the round is chosen.
        if (total != QuestionBank::kCellsPerRound) {
            continue;
        }
        for (std::size_t letter = 1; letter <= 3; ++letter) {
            if (3 * c[letter] > 2 * total) {
                const std::string name(1, static_cast<char>('A' + letter - 1));
                problems.add({0, round, 0, "",
                              std::to_string(c[letter]) + " of " + std::to_string(total) +
                                  " right answers are " + name + "; the class will learn to say " +
                                  name + ", so move some right answers to the other letters",
                              ProblemKind::Balance, static_cast<int>(letter), c[letter], total});
            }
        }
    }
    return lines;
}

}  // namespace kletochka::authoring
