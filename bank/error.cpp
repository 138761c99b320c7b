// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "error.h"

namespace kletochka {

InOutError::InOutError(int code) : Error(messageFor(code)), m_code(code) {}

std::string InOutError::messageFor(int code) {
    switch (code) {
        case FileNotFound: return "File not found";
        case InvalidFilename: return "Invalid filename";
        case TooManyOpenFiles: return "Too many open files";
        case AccessDenied: return "File access denied";
        case ReadBeyondEnd: return "Read beyond end of file";
        case DiskFull: return "Disk full";
        case InvalidNumericInput: return "Invalid numeric input";
        default: return "I/O error " + std::to_string(code);
    }
}

}  // namespace kletochka
