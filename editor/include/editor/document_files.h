// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstddef>
#include <string>
#include <vector>

#include "authoring/bank_rows.h"
#include "bank/error.h"
#include "bank/question_bank.h"
#include "editor/bank_problem.h"

namespace kletochka::editor {

// A file that cannot become a bank: what() for the message box and, for a
// table, each thing wrong with it, placed by line and column.
class OpenError : public Error {
  public:
    explicit OpenError(const std::string& message, std::vector<BankProblem> problems = {},
                       std::size_t problemCount = 0)
        : Error(message), m_problems(std::move(problems)), m_count(problemCount) {}
    const std::vector<BankProblem>& problems() const { return m_problems; }
    // All there were; problems() keeps only the first thousand.
    std::size_t problemCount() const { return m_count; }

  private:
    std::vector<BankProblem> m_problems;
    std::size_t m_count;
};

// A bank read by the game's own loader: all 63 records or an OpenError with
// the loader's message.
QuestionBank::Records ReadBankFile(const QString& path);

// What is wrong with a bank file beyond its questions, as qbtool check says.
std::vector<BankProblem> FileProblems(const QString& path);

// A table read as qbtool build reads it: all 63 records or an OpenError
// listing the problems.
QuestionBank::Records ReadTableFile(const QString& path);

// The bank's bytes written to a temporary file and renamed over path; an
// Error leaves path as it was.
void WriteBankFile(const QString& path, const QuestionBank::Records& records);

// The bank as a table for a spreadsheet, written the same safe way.
void WriteTableFile(const QString& path, const QuestionBank::Records& records,
                    authoring::TableFlavour flavour);

// Whether a file name is taken for a table rather than a bank (it ends in .csv).
bool IsTableName(const QString& path);

}  // namespace kletochka::editor
