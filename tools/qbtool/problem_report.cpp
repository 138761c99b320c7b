// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qbtool/problem_report.h"

#include <algorithm>

#include "authoring/record_check.h"

namespace kletochka::qbtool {

void ReportProblems(const ProblemList& problems, std::size_t limit, std::ostream& out) {
    // Whole-file problems first, then round by round and cell by cell, each question's together.
    std::vector<Problem> sorted = problems.kept();
    std::stable_sort(sorted.begin(), sorted.end(), [](const Problem& a, const Problem& b) {
        return std::pair(a.round, a.cell) < std::pair(b.round, b.cell);
    });
    const std::size_t shown = std::min(limit, sorted.size());
    for (std::size_t i = 0; i < shown; ++i) {
        out << FormatProblem(sorted[i]) << "\n";
    }
    if (problems.count() > shown) {
        out << "… and " << problems.count() - shown << " more\n";
    }
}

void ReportReading(const std::filesystem::path& path, const QuestionTable& table,
                   std::ostream& err) {
    if (table.encoding) {
        err << "reading " << path.string() << " as " << EncodingName(*table.encoding)
            << ", columns separated by '" << table.delimiter << "'\n";
    }
    for (const std::string& name : table.ignoredColumns) {
        err << "the column \"" << name << "\" is not one of qbtool's and is left out\n";
    }
    for (const Problem& warning : table.warnings.kept()) {
        err << "warning: " << FormatProblem(warning) << "\n";
    }
}

void ReportEmptyTexts(const QuestionBank::Records& records, std::ostream& err) {
    int empty = 0;
    for (const QuestionRecord& record : records) {
        for (const NamedField& named : TextFields(record)) {
            empty += named.field->view().empty() ? 1 : 0;
        }
    }
    if (empty > 0) {
        err << "note: " << empty << " of the texts are empty; qbtool check lists them\n";
    }
}

}  // namespace kletochka::qbtool
