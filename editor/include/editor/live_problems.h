// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <array>
#include <vector>

#include "authoring/record_check.h"
#include "bank/question_bank.h"
#include "editor/bank_problem.h"

namespace kletochka::editor {

// A question with nothing in it yet, as in a new bank: four empty texts and no
// right answer chosen (0).
bool IsUnwritten(const QuestionRecord& record);

// The problems of a bank as qbtool check finds them, kept up to date as it is
// edited: a record's own checks (text, right answer, fit on the screen) are
// redone only for the record that changed, those across the bank (repeated
// questions, A/B/C shares) every time. Needs a QGuiApplication to measure text.
//
// A question not written yet is not something to fix: the list to show leaves
// its empty fields out and counts such questions in one line instead.
class LiveProblems {
  public:
    void recheckAll(const QuestionBank::Records& records);
    // After record (round, cell) changed.
    void recheckRecord(const QuestionBank::Records& records, int round, int cell);

    // Problems of the file rather than its questions (bytes after the last
    // record), listed first until replaced.
    void setFileProblems(std::vector<BankProblem> problems);
    const std::vector<BankProblem>& fileProblems() const { return m_ofFile; }

    // By round, cell and field; whole-bank ones first, a round's before its cells.
    const std::vector<BankProblem>& all() const { return m_all; }
    // all() without the problems of questions not written yet, then one
    // Unwritten line counting those questions when there are any.
    const std::vector<BankProblem>& listed() const { return m_listed; }
    // Those of all() the class would see in the game.
    std::vector<BankProblem> shownInGame() const;
    // "round 1: A 3, B 3, C 3", one per round, for information.
    const QStringList& shares() const { return m_shares; }
    // How many listed problems a question (round 1..7, cell 1..9) has: none when not written yet.
    int countAt(int round, int cell) const;
    bool isUnwritten(int round, int cell) const;
    int unwrittenCount() const;

  private:
    void recheckOwn(const authoring::PlacedRecord& placed);
    void recheckAcross(const std::vector<authoring::PlacedRecord>& placed);
    void gather();

    std::array<std::vector<BankProblem>, QuestionBank::kRecords> m_ofRecord;
    std::vector<BankProblem> m_across;
    std::vector<BankProblem> m_ofFile;
    std::vector<BankProblem> m_all;
    std::vector<BankProblem> m_listed;
    std::array<bool, QuestionBank::kRecords> m_unwritten{};
    std::array<int, QuestionBank::kRecords> m_counts{};
    QStringList m_shares;
};

}  // namespace kletochka::editor
