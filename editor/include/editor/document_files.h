// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "authoring/bank_loading.h"
#include "authoring/bank_rows.h"
#include "authoring/file_io.h"
#include "bank/error.h"
#include "bank/question_bank.h"
#include "editor/bank_problem.h"
#include "editor/read_failure.h"

namespace kletochka::editor {

// A file that cannot become a bank: what() for the message box, in the
// teacher's words, and, for a table, each thing wrong with it, placed by line and column.
class OpenError : public Error {
  public:
    OpenError(ReadFailure failure, const QString& path, int systemError = 0,
              std::vector<BankProblem> problems = {}, std::size_t problemCount = 0)
        : Error(ReadFailureWords(failure, path, systemError, problemCount).toStdString()),
          m_failure(failure),
          m_path(path),
          m_problems(std::move(problems)),
          m_count(problemCount) {}
    ReadFailure failure() const { return m_failure; }
    const QString& path() const { return m_path; }
    const std::vector<BankProblem>& problems() const { return m_problems; }
    // All there were; problems() keeps only the first thousand.
    std::size_t problemCount() const { return m_count; }

  private:
    ReadFailure m_failure;
    QString m_path;
    std::vector<BankProblem> m_problems;
    std::size_t m_count;
};

// A save that waits for the teacher's word; what() asks, naming the file.
class SaveQuestion : public Error {
  public:
    enum class Kind {
        Changed,     // another program changed the file since it was opened or saved
        Gone,        // another program removed or renamed it since
        ReadOnly,    // protected against changes, and the teacher may lift that
        NotAllowed,  // the teacher may not change it: only another name helps
        Length,      // longer or shorter than a bank, so saving over it changes more than questions
    };
    SaveQuestion(Kind kind, const QString& question)
        : Error(question.toStdString()), m_kind(kind) {}
    Kind kind() const { return m_kind; }

  private:
    Kind m_kind;
};

// What the teacher agreed to when a save asked.
struct SaveConsent {
    bool overwriteChanged = false;  // write over a file another program changed or removed
    bool overReadOnly = false;      // write over a read-only file, which stays read-only
    bool overWrongLength = false;   // write a whole bank over a file longer or shorter than one
};

// The question for a bank file another program changed (or removed, when gone).
QString DiskChangeQuestion(const QString& path, bool gone);

// The file as it is now, to be compared with it later.
authoring::FileStamp StampOf(const QString& path);

// A bank read by the game's own loader: all 63 records or an OpenError with
// the loader's message.
QuestionBank::Records ReadBankFile(const QString& path);

// A bank file as far as its records are whole (see authoring::SalvageBank), or
// an OpenError with the loader's message.
authoring::BankFile SalvageBankFile(const QString& path);

// What is wrong with a bank file of size bytes beyond its questions, as qbtool check says.
std::vector<BankProblem> FileProblems(std::uintmax_t size);

// What the editor made of a bank file of size bytes that is longer or shorter
// than a bank, in a teacher's words; empty for a bank's length.
QString FileLengthNotice(const QString& path, std::uintmax_t size);
// The question before saving over such a file.
QString FileLengthQuestion(const QString& path, std::uintmax_t size);

// A table's 63 records, and its texts that look changed by a spreadsheet.
struct TableFile {
    QuestionBank::Records records{};
    std::vector<BankProblem> warnings;
};

// A table (.xlsx or CSV) read as qbtool build reads it: all 63 records or an
// OpenError listing the problems, each with its line as the file has it.
TableFile ReadTableFile(const QString& path);

// What the teacher should know about a table's texts that look changed by a
// spreadsheet, naming the file; empty when there are none.
QString RewrittenNotice(const QString& path, const std::vector<BankProblem>& warnings);

// The bank's bytes written as authoring::ReplaceFile writes; a SaveQuestion
// or an Error in the teacher's words leaves path as it was. Gives the new stamp.
authoring::FileStamp WriteBankFile(const QString& path, const QuestionBank::Records& records,
                                   const authoring::WriteOptions& options = {});

// The bank as a table for a spreadsheet, written the same safe way: an .xlsx
// workbook when the name ends so, else CSV of that flavour.
authoring::FileStamp WriteTableFile(const QString& path, const QuestionBank::Records& records,
                                    authoring::TableFlavour flavour,
                                    const authoring::WriteOptions& options = {});

// Whether a file name is taken for a table rather than a bank (it ends in .xlsx or .csv).
bool IsTableName(const QString& path);

}  // namespace kletochka::editor
