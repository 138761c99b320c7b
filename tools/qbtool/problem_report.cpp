// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "problem_report.h"

#include <algorithm>

#include "record_check.h"

namespace kletochka::qbtool {

void ReportProblems(const ProblemList& problems, std::size_t limit, std::ostream& out) {
    const std::size_t shown = std::min(limit, problems.kept().size());
    for (std::size_t i = 0; i < shown; ++i) {
        out << FormatProblem(problems.kept()[i]) << "\n";
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
