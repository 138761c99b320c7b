// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <unistd.h>

#include <utility>

namespace kletochka {

// An open file descriptor that is closed on every path.
class FileHandle {
  public:
    explicit FileHandle(int fd) : m_fd(fd) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    int get() const { return m_fd; }
    // Gives the descriptor up without closing it, to be closed where a failure can be reported.
    int release() { return std::exchange(m_fd, -1); }

  private:
    int m_fd;
};

}  // namespace kletochka
