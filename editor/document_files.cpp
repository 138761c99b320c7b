// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/document_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <climits>
#include <filesystem>

#include "authoring/bank_check.h"
#include "authoring/bank_loading.h"
#include "authoring/file_io.h"
#include "authoring/question_table.h"
#include "authoring/text_encoding.h"
#include "authoring/workbook.h"
#include "widgets/file_path.h"

namespace kletochka::editor {

namespace {

class DocumentFiles {
    Q_DECLARE_TR_FUNCTIONS(DocumentFiles)

  public:
    // Why path was not saved, in a teacher's words; a SaveQuestion when the teacher can decide.
    [[noreturn]] static void Explain(const authoring::WriteError& error, const QString& path) {
        using Reason = authoring::WriteError::Reason;
        using Kind = SaveQuestion::Kind;
        const QString name = QDir::toNativeSeparators(path);
        switch (error.reason()) {
            case Reason::Changed:
                throw SaveQuestion(Kind::Changed, DiskChangeQuestion(path, false));
            case Reason::Gone:
                throw SaveQuestion(Kind::Gone, DiskChangeQuestion(path, true));
            case Reason::ReadOnly:
                throw SaveQuestion(Kind::ReadOnly,
                                   tr("\"%1\" is read-only: it is protected against changes.\n\n"
                                      "Overwrite it anyway (it stays read-only), or save under "
                                      "another name?")
                                       .arg(name));
            case Reason::NotAllowed:
                throw SaveQuestion(Kind::NotAllowed,
                                   tr("You may not change \"%1\" or save files in its folder.\n\n"
                                      "Save your questions under another name?")
                                       .arg(name));
            case Reason::NoSpace:
                Fail(tr("The disk is full, so \"%1\" could not be saved. The file is as it "
                        "was. Free some space or save on another disk.")
                         .arg(name));
            case Reason::NoFolder:
                Fail(tr("The folder \"%1\" no longer exists, so \"%2\" could not be saved. "
                        "Save it somewhere else.")
                         .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()),
                              QFileInfo(path).fileName()));
            case Reason::IsFolder:
                Fail(tr("\"%1\" is a folder now, not a file, so nothing was saved there. Save "
                        "under another name.")
                         .arg(name));
            case Reason::NotAFile:
                Fail(tr("\"%1\" is not an ordinary file, so nothing was saved there. Save "
                        "under another name.")
                         .arg(name));
            case Reason::ReadOnlyDisk:
                Fail(tr("Nothing can be written on the disk of \"%1\" (is it a locked memory "
                        "stick or a CD?). Save it somewhere else.")
                         .arg(name));
            case Reason::Unsynced:
                Fail(tr("\"%1\" was written, but the computer did not confirm that it is "
                        "safely stored. Save it again, or on another disk.")
                         .arg(name));
            case Reason::CopyKept:
                Fail(tr("Saving \"%1\" failed halfway and the old file could not be put back. "
                        "Its old contents are kept in \"%2\".")
                         .arg(name, QDir::toNativeSeparators(FromStdPath(error.copy()))));
            case Reason::Other:
                break;
        }
        Fail(tr("\"%1\" could not be saved. The file is as it was.").arg(name) +
             QLatin1String("\n\n") +
             tr("The system says: %1")
                 .arg(QString::fromStdString(authoring::SystemWords(error.systemError()))));
    }

    static QString DiskChanged(const QString& path, bool gone) {
        const QString name = QDir::toNativeSeparators(path);
        return gone ? tr("\"%1\" is no longer there: another program deleted, moved or renamed "
                         "it.\n\nSave your questions there again, or under another name?")
                          .arg(name)
                    : tr("\"%1\" was changed by another program after you opened or saved "
                         "it.\n\nReload it from the disk (your changes are lost), overwrite it "
                         "with your version, or save yours under another name?")
                          .arg(name);
    }

    static QString LengthNotice(const QString& path, std::uintmax_t size) {
        const QString name = QDir::toNativeSeparators(path);
        constexpr std::uintmax_t kBank = QuestionBank::kFileSize;
        if (size > kBank) {
            return tr("\"%1\" has %n byte(s) after its 63 questions. The game never reads "
                      "them, and the editor shows the 63 questions without them.\n\nTo keep the "
                      "file as it is, save your work as a new bank with Save As.",
                      nullptr, Count(size - kBank))
                .arg(name);
        }
        const auto whole = static_cast<int>(size / sizeof(QuestionRecord));
        const auto rest = static_cast<int>(size % sizeof(QuestionRecord));
        QString notice = tr("\"%1\" is cut short: it holds only %n whole question(s) of 63, so "
                            "the game cannot open it. The editor shows them; the other cells "
                            "are empty.",
                            nullptr, whole)
                             .arg(name);
        if (rest > 0) {
            notice += QLatin1Char(' ') +
                      tr("The %n byte(s) at its end, the start of a question, are left out.",
                         nullptr, rest);
        }
        return notice + QStringLiteral("\n\n") +
               tr("Save the questions as a new bank with Save As.");
    }

    static QString Rewritten(const QString& path, const std::vector<BankProblem>& warnings) {
        QStringList shown;
        for (const BankProblem& w : warnings) {
            if (shown.size() == kListed) {
                shown << QStringLiteral("…");
                break;
            }
            shown << tr("line %1: \"%2\"").arg(w.line).arg(w.value);
        }
        return tr("In \"%1\", %n text(s) look like numbers a spreadsheet rewrote in its own "
                  "way, as it does with \"1e5\", which it saves as \"1.00E+05\":",
                  nullptr, static_cast<int>(warnings.size()))
                   .arg(QDir::toNativeSeparators(path)) +
               QLatin1Char('\n') + shown.join(QLatin1Char('\n')) + QStringLiteral("\n\n") +
               tr("Check them against what was written; they are marked in the list of "
                  "problems. A table saved as .xlsx keeps its texts as they were typed.");
    }

    static QString LengthQuestion(const QString& path, std::uintmax_t size) {
        const QString name = QDir::toNativeSeparators(path);
        if (size > QuestionBank::kFileSize) {
            return tr("\"%1\" has %n byte(s) after its 63 questions, which saving over it "
                      "would leave out.\n\nSave your questions as a new bank under another "
                      "name, or overwrite \"%1\" without those bytes?",
                      nullptr, Count(size - QuestionBank::kFileSize))
                .arg(name);
        }
        return tr("\"%1\" is cut short, so the game cannot open it; saving over it would "
                  "replace it with a whole bank of 63 questions.\n\nSave your questions as a "
                  "new bank under another name, or overwrite \"%1\"?")
            .arg(name);
    }

  private:
    static constexpr qsizetype kListed = 10;

    static int Count(std::uintmax_t n) {
        return static_cast<int>(std::min<std::uintmax_t>(n, INT_MAX));
    }

    [[noreturn]] static void Fail(const QString& message) { throw Error(message.toStdString()); }
};

// Each problem's line as the table has it, for the teacher to find it in the spreadsheet.
void AddTableLines(std::vector<BankProblem>& problems, std::string_view bytes) {
    constexpr qsizetype kShownCharacters = 300;
    // Lines end as the reader counts them: at "\r\n", "\n" or a lone "\r".
    QString text = QString::fromStdString(authoring::DecodeTableText(bytes).utf8);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (BankProblem& problem : problems) {
        if (problem.line >= 1 && problem.line <= lines.size()) {
            problem.lineText = lines.at(problem.line - 1).left(kShownCharacters);
        }
    }
}

template <typename Write>
authoring::FileStamp Saving(const QString& path, Write&& write) {
    try {
        return write(ToStdPath(path));
    } catch (const authoring::WriteError& e) {
        DocumentFiles::Explain(e, path);
    }
}

}  // namespace

QString DiskChangeQuestion(const QString& path, bool gone) {
    return DocumentFiles::DiskChanged(path, gone);
}

authoring::FileStamp StampOf(const QString& path) {
    return authoring::StampFile(ToStdPath(path));
}

QuestionBank::Records ReadBankFile(const QString& path) {
    try {
        return ReadQuestionBankFile(ToStdPath(path));
    } catch (const InOutError& e) {
        throw OpenError(BankReadFailure(e.code(), path), path, e.code());
    }
}

authoring::BankFile SalvageBankFile(const QString& path) {
    try {
        return authoring::SalvageBank(ToStdPath(path));
    } catch (const InOutError& e) {
        throw OpenError(BankReadFailure(e.code(), path), path, e.code());
    } catch (const authoring::ReadError& e) {
        throw OpenError(TableReadFailure(e.reason(), path), path, e.systemError());
    }
}

std::vector<BankProblem> FileProblems(std::uintmax_t size) {
    authoring::ProblemList problems;
    authoring::CheckBankLength(size, problems);
    return BankProblems(problems);
}

QString FileLengthNotice(const QString& path, std::uintmax_t size) {
    return size == QuestionBank::kFileSize ? QString() : DocumentFiles::LengthNotice(path, size);
}

QString FileLengthQuestion(const QString& path, std::uintmax_t size) {
    return DocumentFiles::LengthQuestion(path, size);
}

TableFile ReadTableFile(const QString& path) {
    std::string bytes;
    try {
        bytes = authoring::ReadWholeFile(ToStdPath(path), authoring::kMaxTableBytes);
    } catch (const authoring::ReadError& e) {
        throw OpenError(TableReadFailure(e.reason(), path), path, e.systemError());
    }
    authoring::QuestionTable table;
    try {
        table = authoring::ReadQuestionFile(ToStdPath(path), bytes);
    } catch (const Error&) {
        // The reader itself gave out (out of memory): nothing the teacher wrote.
        throw OpenError(ReadFailure::Other, path);
    }
    if (auto records = table.bank()) {
        std::vector<BankProblem> warnings = BankProblems(table.warnings);
        AddTableLines(warnings, bytes);
        return {*records, std::move(warnings)};
    }
    std::vector<BankProblem> problems = BankProblems(table.problems);
    // A workbook's rows are not lines of its bytes.
    if (!table.fromWorkbook) {
        AddTableLines(problems, bytes);
    }
    const std::size_t count = std::max<std::size_t>(table.problems.count(), 1);
    throw OpenError(ReadFailure::TableProblems, path, 0, std::move(problems), count);
}

authoring::FileStamp WriteBankFile(const QString& path, const QuestionBank::Records& records,
                                   const authoring::WriteOptions& options) {
    return Saving(path, [&](const std::filesystem::path& name) {
        return authoring::WriteBank(name, records, options);
    });
}

authoring::FileStamp WriteTableFile(const QString& path, const QuestionBank::Records& records,
                                    authoring::TableFlavour flavour,
                                    const authoring::WriteOptions& options) {
    return Saving(path, [&](const std::filesystem::path& name) {
        return authoring::ReplaceFile(name,
                                      authoring::IsWorkbookName(name)
                                          ? authoring::BankToWorkbook(records)
                                          : authoring::BankToTable(records, flavour),
                                      options);
    });
}

bool IsTableName(const QString& path) {
    return path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive) ||
           authoring::IsWorkbookName(ToStdPath(path));
}

QString RewrittenNotice(const QString& path, const std::vector<BankProblem>& warnings) {
    return warnings.empty() ? QString() : DocumentFiles::Rewritten(path, warnings);
}

}  // namespace kletochka::editor
