// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables.h"

#include <QString>
#include <stdexcept>

#include "bank_files.h"
#include "widgets/display_text.h"

namespace kletochka::test {

std::vector<std::string> GoodLines() {
    std::vector<std::string> lines{"round,cell,question,answer_a,answer_b,answer_c,correct"};
    for (int n = 1; n <= 63; ++n) {
        const std::string i = std::to_string(n);
        lines.push_back(std::to_string((n - 1) / 9 + 1) + "," + std::to_string((n - 1) % 9 + 1) +
                        ",Вопрос " + i + "?,а " + i + ",б " + i + ",в " + i + "," +
                        std::string(1, static_cast<char>('A' + NumberedRight(n) - 1)));
    }
    return lines;
}

std::string Joined(const std::vector<std::string>& lines, const std::string& eol) {
    std::string text;
    for (const auto& line : lines) {
        text += line + eol;
    }
    return text;
}

std::size_t Occurrences(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++n;
    }
    return n;
}

std::string Cp1251(const std::string& utf8) {
    const auto bytes = EncodeWindows1251(QString::fromStdString(utf8));
    if (!bytes) {
        throw std::invalid_argument("not Windows-1251: " + utf8);
    }
    return *bytes;
}

}  // namespace kletochka::test
