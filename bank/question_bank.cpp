// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bank/question_bank.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "bank/error.h"
#include "bank/file_handle.h"

namespace kletochka {

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

// Reads exactly size bytes unless the file ends first; returns the count read.
std::size_t readFully(int fd, unsigned char* out, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, out + done, size - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw InOutError::fromErrno(errno);
        }
        if (n == 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    return done;
}

}  // namespace

QuestionBank::Records ReadQuestionBankFile(const std::filesystem::path& path,
                                           CloseFunction closeFile) {
    // Read-only: a write-protected bank is still a good bank.
    FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) {
        throw OpenError(errno, path);
    }
    QuestionBank::Records records;
    static_assert(sizeof(records) == QuestionBank::kFileSize);
    auto* bytes = reinterpret_cast<unsigned char*>(records.data());
    if (readFully(file.get(), bytes, sizeof(records)) != sizeof(records)) {
        throw InOutError(InOutError::ReadBeyondEnd);
    }
    // Linux frees the descriptor even when close() is interrupted, and a file that
    // was only read has nothing left to lose: EINTR is no failure here.
    if (closeFile(file.release()) != 0 && errno != EINTR) {
        throw InOutError::fromErrno(errno);
    }
    return records;
}

void LoadQuestionBank(QuestionBank& bank, const std::filesystem::path& path) {
    bank.replace(ReadQuestionBankFile(path));
}

std::span<const QuestionRecord, QuestionBank::kCellsPerRound> QuestionBank::round(int k) const {
    const auto first = static_cast<std::size_t>((k - 1) * kCellsPerRound);
    return std::span<const QuestionRecord, kCellsPerRound>(&m_records.at(first), kCellsPerRound);
}

}  // namespace kletochka
