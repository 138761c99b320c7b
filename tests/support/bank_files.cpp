// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bank_files.h"

#include <cstring>

namespace kletochka::test {

namespace {
void Fill(ShortString& field, const std::string& text, char filler) {
    std::memset(field.chars, filler, sizeof field.chars);
    std::memcpy(field.chars, text.data(), text.size());
    field.length = static_cast<std::uint8_t>(text.size());
}
}  // namespace

QuestionBank::Records NumberedRecords(char tag, char filler) {
    QuestionBank::Records records{};
    for (int i = 1; i <= QuestionBank::kRecords; ++i) {
        auto& r = records[static_cast<std::size_t>(i - 1)];
        const std::string n = std::to_string(i);
        Fill(r.question, std::string(1, tag) + n, filler);
        Fill(r.answerA, "A" + n, filler);
        Fill(r.answerB, "B" + n, filler);
        Fill(r.answerC, "C" + n, filler);
        r.setCorrect(NumberedRight(i));
    }
    return records;
}

std::string BankBytes(const QuestionBank::Records& records) {
    return {reinterpret_cast<const char*>(records.data()), sizeof records};
}

}  // namespace kletochka::test
