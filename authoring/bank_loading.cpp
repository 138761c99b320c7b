// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/bank_loading.h"

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

FileStamp WriteBank(const std::filesystem::path& path, const QuestionBank::Records& records,
                    const WriteOptions& options) {
    static_assert(sizeof records == QuestionBank::kFileSize);
    return ReplaceFile(path, {reinterpret_cast<const char*>(records.data()), sizeof records},
                       options);
}

}  // namespace kletochka::authoring
