// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/bank_loading.h"

#include <algorithm>
#include <cstring>

#include "authoring/file_io.h"
#include "bank/error.h"

namespace kletochka::authoring {

QuestionBank::Records ReadBank(const std::filesystem::path& path) {
    try {
        return ReadQuestionBankFile(path);
    } catch (const InOutError& e) {
        throw Error(path.string() + ": " + e.what());
    }
}

std::optional<QuestionBank::Records> LoadBank(const std::filesystem::path& path,
                                              std::ostream& err) {
    try {
        return ReadBank(path);
    } catch (const Error& e) {
        err << e.what() << "\n";
        return std::nullopt;
    }
}

int BankFile::wholeRecords() const {
    return static_cast<int>(
        std::min<std::uintmax_t>(size / sizeof(QuestionRecord), QuestionBank::kRecords));
}

std::uintmax_t BankFile::extraBytes() const {
    return cutShort() ? 0 : size - QuestionBank::kFileSize;
}

BankFile SalvageBank(const std::filesystem::path& path) {
    BankFile bank;
    try {
        bank.records = ReadQuestionBankFile(path);
        std::error_code ec;
        const std::uintmax_t size = std::filesystem::file_size(path, ec);
        bank.size = ec ? QuestionBank::kFileSize : std::max(size, QuestionBank::kFileSize);
        return bank;
    } catch (const InOutError& e) {
        if (e.code() != InOutError::ReadBeyondEnd) {
            throw;
        }
        bank.loaderMessage = e.what();
    }
    const std::string bytes = ReadWholeFile(path, QuestionBank::kFileSize - 1);
    bank.size = bytes.size();
    // Only the last question missing or cut off is a bank to repair; less is something else.
    if (bank.wholeRecords() < QuestionBank::kRecords - 1) {
        throw InOutError(InOutError::ReadBeyondEnd);
    }
    std::memcpy(bank.records.data(), bytes.data(),
                static_cast<std::size_t>(bank.wholeRecords()) * sizeof(QuestionRecord));
    return bank;
}

FileStamp WriteBank(const std::filesystem::path& path, const QuestionBank::Records& records,
                    const WriteOptions& options) {
    static_assert(sizeof records == QuestionBank::kFileSize);
    return ReplaceFile(path, {reinterpret_cast<const char*>(records.data()), sizeof records},
                       options);
}

}  // namespace kletochka::authoring
