// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bank/question_record.h"

#include <algorithm>
#include <cassert>
#include <cstring>

namespace kletochka {

void ShortString::assign(std::string_view text) {
    const std::size_t n = std::min(text.size(), kCapacity);
    std::memset(chars, 0, kCapacity);
    std::memcpy(chars, text.data(), n);
    length = static_cast<std::uint8_t>(n);
}

std::int32_t QuestionRecord::correct() const {
    const std::uint32_t u = std::uint32_t{correctLE[0]} | std::uint32_t{correctLE[1]} << 8 |
                            std::uint32_t{correctLE[2]} << 16 | std::uint32_t{correctLE[3]} << 24;
    return static_cast<std::int32_t>(u);
}

void QuestionRecord::setCorrect(std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        correctLE[i] = static_cast<std::uint8_t>(u >> (8 * i));
    }
}

const ShortString& QuestionRecord::answer(int i) const {
    assert(i >= 1 && i <= 3);
    return i == 1 ? answerA : i == 2 ? answerB : answerC;
}

}  // namespace kletochka
