// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/document_files.h"

#include <QFile>
#include <filesystem>

#include "authoring/bank_check.h"
#include "authoring/bank_loading.h"
#include "authoring/file_io.h"
#include "authoring/question_table.h"

namespace kletochka::editor {

namespace {

// A name as the system spells it, whatever the locale.
std::filesystem::path SystemPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

}  // namespace

QuestionBank::Records ReadBankFile(const QString& path) {
    try {
        return authoring::ReadBank(SystemPath(path));
    } catch (const Error& e) {
        throw OpenError(e.what());
    }
}

std::vector<BankProblem> FileProblems(const QString& path) {
    authoring::ProblemList problems;
    authoring::CheckFileSize(SystemPath(path), problems);
    return BankProblems(problems);
}

QuestionBank::Records ReadTableFile(const QString& path) {
    const std::filesystem::path name = SystemPath(path);
    std::string bytes;
    try {
        bytes = authoring::ReadWholeFile(name, authoring::kMaxTableBytes);
    } catch (const Error& e) {
        throw OpenError(e.what());
    }
    const authoring::QuestionTable table = authoring::ReadQuestionTable(bytes);
    if (auto records = table.bank()) {
        return *records;
    }
    const std::size_t count = std::max<std::size_t>(table.problems.count(), 1);
    throw OpenError(name.string() + ": " + std::to_string(count) +
                        (count == 1 ? " problem" : " problems") +
                        " in the table, so nothing was opened; fix the table and open it again",
                    BankProblems(table.problems), table.problems.count());
}

void WriteBankFile(const QString& path, const QuestionBank::Records& records) {
    authoring::WriteBank(SystemPath(path), records);
}

void WriteTableFile(const QString& path, const QuestionBank::Records& records,
                    authoring::TableFlavour flavour) {
    authoring::ReplaceFile(SystemPath(path), authoring::BankToTable(records, flavour));
}

bool IsTableName(const QString& path) {
    return path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive);
}

}  // namespace kletochka::editor
