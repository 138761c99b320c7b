// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <cstdlib>

#include "bank/error.h"
#include "open_file.h"

namespace kletochka::system {

int OpenForReading(const std::filesystem::path& path) {
    // By the UTF-16 name, so that no folder or file name depends on the ANSI code page.
    const int fd = ::_wopen(path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    if (fd < 0) {
        // The runtime leaves the system's own error in _doserrno; where it refused by itself
        // (out of its own descriptors), there is none, and errno tells.
        const unsigned long windowsError = _doserrno;
        throw windowsError != 0 ? InOutError::fromWindowsError(windowsError)
                                : InOutError::fromErrno(errno);
    }
    return fd;
}

}  // namespace kletochka::system
