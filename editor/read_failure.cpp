// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/read_failure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "bank/error.h"

namespace kletochka::editor {

namespace {

// The translation context of the words.
struct ReadFailures {
    Q_DECLARE_TR_FUNCTIONS(ReadFailures)
};

// A folder refuses differently on each system (a read error here, access denied on
// Windows): the name itself tells best.
ReadFailure Refined(ReadFailure failure, const QString& path) {
    return QFileInfo(path).isDir() ? ReadFailure::Folder : failure;
}

}  // namespace

ReadFailure BankReadFailure(int code, const QString& path) {
    switch (code) {
        case InOutError::FileNotFound:
            return ReadFailure::Missing;
        case InOutError::InvalidFilename:
            return ReadFailure::NoFolder;
        case InOutError::TooManyOpenFiles:
            return ReadFailure::TooManyFiles;
        case InOutError::AccessDenied:
            return Refined(ReadFailure::NotAllowed, path);
        case InOutError::ReadBeyondEnd:
            return ReadFailure::ShortBank;
        default:
            return Refined(ReadFailure::Other, path);
    }
}

ReadFailure TableReadFailure(authoring::ReadError::Reason reason, const QString& path) {
    using Reason = authoring::ReadError::Reason;
    switch (reason) {
        case Reason::Missing:
            return QFileInfo(QFileInfo(path).absolutePath()).isDir() ? ReadFailure::Missing
                                                                     : ReadFailure::NoFolder;
        case Reason::NotAllowed:
            return Refined(ReadFailure::NotAllowed, path);
        case Reason::IsFolder:
            return ReadFailure::Folder;
        case Reason::TooLarge:
            return ReadFailure::TooLarge;
        case Reason::Other:
            break;
    }
    return Refined(ReadFailure::Other, path);
}

QString ReadFailureWords(ReadFailure failure, const QString& path, int systemError,
                         std::size_t problemCount) {
    const QString name = QFileInfo(path).fileName();
    switch (failure) {
        case ReadFailure::Missing:
            return ReadFailures::tr(
                       "There is no file \"%1\" here: it may have been moved, renamed or deleted.")
                .arg(name);
        case ReadFailure::NoFolder:
            return ReadFailures::tr("\"%1\" cannot be opened: its folder \"%2\" does not exist.")
                .arg(name, QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
        case ReadFailure::TooManyFiles:
            return ReadFailures::tr(
                       "Too many files are open on this computer to open \"%1\" now. Close a few "
                       "programs and try again.")
                .arg(name);
        case ReadFailure::NotAllowed:
            return ReadFailures::tr(
                       "You may not read \"%1\". Ask the file's owner for access, or copy it into "
                       "a folder of your own.")
                .arg(name);
        case ReadFailure::Folder:
            return ReadFailures::tr("\"%1\" is a folder, not a question file.").arg(name);
        case ReadFailure::ShortBank:
            return ReadFailures::tr(
                       "\"%1\" is not a whole question bank: it ends before its 63rd question. It "
                       "may be damaged, or not a question bank at all.")
                .arg(name);
        case ReadFailure::TooLarge:
            return ReadFailures::tr("\"%1\" is far too large to be a table of questions.")
                .arg(name);
        case ReadFailure::TableProblems:
            return ReadFailures::tr(
                       "\"%1\" was not opened: the table has %n mistake(s), listed line by line in "
                       "the window. Fix the table in the spreadsheet and open it again.",
                       nullptr, static_cast<int>(problemCount))
                .arg(name);
        case ReadFailure::Other:
            break;
    }
    const QString words = ReadFailures::tr("\"%1\" could not be read.").arg(name);
    if (systemError == 0) {
        return words;
    }
    return words + QLatin1String("\n\n") +
           ReadFailures::tr("The system says: %1")
               .arg(QString::fromStdString(authoring::SystemWords(systemError)));
}

}  // namespace kletochka::editor
