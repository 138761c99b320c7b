// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/live_problems.h"

#include <algorithm>

#include "authoring/bank_check.h"
#include "authoring/table_columns.h"

namespace kletochka::editor {

namespace {

std::size_t Slot(int round, int cell) {
    return static_cast<std::size_t>(authoring::RecordNumber(round, cell) - 1);
}

}  // namespace

bool IsUnwritten(const QuestionRecord& record) {
    return record.question.view().empty() && record.answerA.view().empty() &&
           record.answerB.view().empty() && record.answerC.view().empty() && record.correct() == 0;
}

void LiveProblems::recheckAll(const QuestionBank::Records& records) {
    const std::vector<authoring::PlacedRecord> placed = authoring::PlaceBank(records);
    for (const authoring::PlacedRecord& one : placed) {
        recheckOwn(one);
    }
    recheckAcross(placed);
}

void LiveProblems::recheckRecord(const QuestionBank::Records& records, int round, int cell) {
    const std::vector<authoring::PlacedRecord> placed = authoring::PlaceBank(records);
    recheckOwn(placed[Slot(round, cell)]);
    recheckAcross(placed);
}

void LiveProblems::recheckOwn(const authoring::PlacedRecord& placed) {
    authoring::ProblemList list;
    authoring::CheckOwn(placed, list);
    m_ofRecord[Slot(placed.round, placed.cell)] = BankProblems(list);
    m_unwritten[Slot(placed.round, placed.cell)] = IsUnwritten(placed.record);
}

void LiveProblems::recheckAcross(const std::vector<authoring::PlacedRecord>& placed) {
    authoring::ProblemList list;
    m_shares.clear();
    for (const std::string& line : authoring::CheckAcross(placed, list)) {
        m_shares.push_back(QString::fromStdString(line));
    }
    m_across = BankProblems(list);
    gather();
}

void LiveProblems::setFileProblems(std::vector<BankProblem> problems) {
    m_ofFile = std::move(problems);
    gather();
}

void LiveProblems::gather() {
    m_all = m_ofFile;
    m_counts.fill(0);
    for (const auto& ofRecord : m_ofRecord) {
        m_all.insert(m_all.end(), ofRecord.begin(), ofRecord.end());
    }
    m_all.insert(m_all.end(), m_across.begin(), m_across.end());
    // As qbtool lists them: by round and cell, a question's own in the order found.
    std::stable_sort(m_all.begin(), m_all.end(), [](const BankProblem& a, const BankProblem& b) {
        return std::pair(a.round, a.cell) < std::pair(b.round, b.cell);
    });
    m_listed.clear();
    for (const BankProblem& p : m_all) {
        const bool ofQuestion = p.round > 0 && p.cell > 0;
        if (ofQuestion && m_unwritten[Slot(p.round, p.cell)]) {
            continue;
        }
        m_listed.push_back(p);
        if (ofQuestion) {
            ++m_counts[Slot(p.round, p.cell)];
        }
    }
    if (const int unwritten = unwrittenCount(); unwritten > 0) {
        BankProblem line;
        line.kind = authoring::ProblemKind::Unwritten;
        line.text = QStringLiteral("%1 of %2 questions not written yet")
                        .arg(unwritten)
                        .arg(QuestionBank::kRecords);
        line.count = unwritten;
        line.total = QuestionBank::kRecords;
        m_listed.push_back(line);
    }
}

std::vector<BankProblem> LiveProblems::shownInGame() const {
    std::vector<BankProblem> shown;
    std::copy_if(m_all.begin(), m_all.end(), std::back_inserter(shown),
                 [](const BankProblem& p) { return p.shownInGame(); });
    return shown;
}

int LiveProblems::countAt(int round, int cell) const {
    return m_counts[Slot(round, cell)];
}

bool LiveProblems::isUnwritten(int round, int cell) const {
    return m_unwritten[Slot(round, cell)];
}

int LiveProblems::unwrittenCount() const {
    return static_cast<int>(std::count(m_unwritten.begin(), m_unwritten.end(), true));
}

}  // namespace kletochka::editor
