// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstddef>

#include "authoring/file_io.h"

namespace kletochka::editor {

// Why a file did not open, whichever reader refused it.
enum class ReadFailure {
    Missing,        // nothing has that name
    NoFolder,       // the folder it should be in does not exist
    TooManyFiles,   // the system is out of file handles
    NotAllowed,     // this user may not read it
    Folder,         // a folder has the name
    ShortBank,      // a bank file that ends before its 63rd question
    TooLarge,       // far more than any table of questions
    TableProblems,  // a table that was read but has mistakes in it
    Other,          // the system's own words tell
};

// The game's loader's code (InOutError::code()) for the file at path.
ReadFailure BankReadFailure(int code, const QString& path);

// ReadWholeFile's reason for the file at path.
ReadFailure TableReadFailure(authoring::ReadError::Reason reason, const QString& path);

// In the teacher's words, naming the file; for Other, the system's own words
// for systemError on a line of their own; for TableProblems, how many there are.
QString ReadFailureWords(ReadFailure failure, const QString& path, int systemError = 0,
                         std::size_t problemCount = 0);

}  // namespace kletochka::editor
