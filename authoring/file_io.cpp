// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "bank/error.h"
#include "bank/file_handle.h"

namespace kletochka::authoring {

namespace {

[[noreturn]] void Fail(const std::string& what, const std::filesystem::path& path, int err) {
    throw Error("cannot " + what + " " + path.string() + ": " + std::strerror(err));
}

void WriteAll(int fd, std::string_view bytes, const std::filesystem::path& path) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            Fail("write", path, errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

std::string ReadWholeFile(const std::filesystem::path& path, std::size_t limit) {
    FileHandle fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        Fail("read", path, errno);
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            Fail("read", path, errno);
        }
        if (n == 0) {
            return bytes;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
        if (bytes.size() > limit) {
            throw Error(path.string() + " is too large: more than " + std::to_string(limit) +
                        " bytes");
        }
    }
}

void ReplaceFile(const std::filesystem::path& path, std::string_view bytes) {
    std::string temp = path.string() + ".XXXXXX";
    FileHandle fd(::mkstemp(temp.data()));
    if (fd.get() < 0) {
        Fail("write", path, errno);
    }
    try {
        if (::fchmod(fd.get(), NewFileMode()) != 0) {
            Fail("write", path, errno);
        }
        WriteAll(fd.get(), bytes, path);
        if (::fsync(fd.get()) != 0 || ::close(fd.release()) != 0) {
            Fail("write", path, errno);
        }
        if (::rename(temp.c_str(), path.c_str()) != 0) {
            Fail("write", path, errno);
        }
    } catch (...) {
        ::unlink(temp.c_str());
        throw;
    }
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec);
}

}  // namespace kletochka::authoring
