// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bank/question_bank.h"

#include <unistd.h>

#include <cerrno>

#include "bank/error.h"
#include "bank/file_handle.h"
#include "open_file.h"

namespace kletochka {

namespace {

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
    FileHandle file(system::OpenForReading(path));
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
