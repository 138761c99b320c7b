// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bank/error.h"

#include <cerrno>

namespace kletochka {

namespace {

std::string NumberedMessage(int code) {
    return "I/O error " + std::to_string(code);
}

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
