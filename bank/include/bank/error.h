// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace kletochka {

// Every failure the user may see; what() is the exact text of the message box.
class Error : public std::runtime_error {
  public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// A question-bank file that cannot be opened, read or closed.
class InOutError : public Error {
  public:
    // The classic input/output error codes of the bank's file format.
    enum Code : int {
        FileNotFound = 2,
        InvalidFilename = 3,
        TooManyOpenFiles = 4,
        AccessDenied = 5,
        ReadBeyondEnd = 100,
        DiskFull = 101,
        InvalidNumericInput = 106,
    };

    explicit InOutError(int code);
    int code() const { return m_code; }

    // The error for a system call that failed with errno err: the code above
    // that names the failure, else "I/O error N" with the system's number N,
    // even where N is also one of the codes above (EIO is 5, EINTR 4).
    static InOutError fromErrno(int err);

    // The same for a Windows system error (GetLastError's number): the code that names the
    // failure, else "I/O error N" with Windows' number N.
    static InOutError fromWindowsError(unsigned long error);

    // "File not found" for 2, …, "I/O error %d" for a code without a text of its own.
    static std::string messageFor(int code);

  private:
    InOutError(int code, const std::string& message) : Error(message), m_code(code) {}

    int m_code;
};

}  // namespace kletochka
