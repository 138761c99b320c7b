// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bank_loading.h"

#include "error.h"

namespace kletochka::authoring {

std::optional<QuestionBank::Records> LoadBank(const std::filesystem::path& path,
                                              std::ostream& err) {
    try {
        return ReadQuestionBankFile(path);
    } catch (const InOutError& e) {
        err << path.string() << ": " << e.what() << "\n";
        return std::nullopt;
    }
}

}  // namespace kletochka::authoring
