// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bank/error.h"

#include <cerrno>

namespace kletochka {

namespace {

std::string NumberedMessage(long long code) {
    return "I/O error " + std::to_string(code);
}

// Windows' numbers for the failures that have a code of their own (winerror.h).
constexpr unsigned long kErrorFileNotFound = 2;
constexpr unsigned long kErrorPathNotFound = 3;
constexpr unsigned long kErrorTooManyOpenFiles = 4;
constexpr unsigned long kErrorAccessDenied = 5;
constexpr unsigned long kErrorInvalidName = 123;

}  // namespace

InOutError::InOutError(int code) : Error(messageFor(code)), m_code(code) {}

InOutError InOutError::fromErrno(int err) {
    switch (err) {
        case ENOENT:
            return InOutError(FileNotFound);
        case ENOTDIR:
        case ENAMETOOLONG:
            return InOutError(InvalidFilename);
        case EMFILE:
        case ENFILE:
            return InOutError(TooManyOpenFiles);
        case EACCES:
        case EPERM:
        case EROFS:
            return InOutError(AccessDenied);
        default:
            return InOutError(err, NumberedMessage(err));
    }
}

InOutError InOutError::fromWindowsError(unsigned long error) {
    switch (error) {
        case kErrorFileNotFound:
            return InOutError(FileNotFound);
        case kErrorPathNotFound:
        case kErrorInvalidName:
            return InOutError(InvalidFilename);
        case kErrorTooManyOpenFiles:
            return InOutError(TooManyOpenFiles);
        case kErrorAccessDenied:
            return InOutError(AccessDenied);
        default:
            return InOutError(static_cast<int>(error), NumberedMessage(error));
    }
}

std::string InOutError::messageFor(int code) {
    switch (code) {
        case FileNotFound:
            return "File not found";
        case InvalidFilename:
            return "Invalid filename";
        case TooManyOpenFiles:
            return "Too many open files";
        case AccessDenied:
            return "File access denied";
        case ReadBeyondEnd:
            return "Read beyond end of file";
        case DiskFull:
            return "Disk full";
        case InvalidNumericInput:
            return "Invalid numeric input";
        default:
            return NumberedMessage(code);
    }
}

}  // namespace kletochka
