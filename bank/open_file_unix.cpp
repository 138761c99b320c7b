// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>

#include <cerrno>
#include <system_error>

#include "bank/error.h"
#include "open_file.h"

namespace kletochka::system {

namespace {

// The error of a failed open(): a missing folder on the way is a bad name, a
// missing file in a real folder is not found.
InOutError OpenError(int err, const std::filesystem::path& path) {
    if (err == ENOENT) {
        std::error_code ec;
        const auto parent = path.parent_path();
        if (!parent.empty() && !std::filesystem::is_directory(parent, ec)) {
            return InOutError(InOutError::InvalidFilename);
        }
    }
    return InOutError::fromErrno(err);
}

}  // namespace

int OpenForReading(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        throw OpenError(errno, path);
    }
    return fd;
}

}  // namespace kletochka::system
