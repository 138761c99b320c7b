// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kletochka {

// A length-prefixed text field of capacity 70: byte 0 is the length, then the
// Windows-1251 characters; bytes past the length are not significant.
struct ShortString {
    static constexpr std::size_t kCapacity = 70;

    std::uint8_t length = 0;
    char chars[kCapacity] = {};

    // The significant characters; a length above the capacity is clamped so
    // nothing outside the field is ever read.
    std::string_view view() const {
        return {chars, length > kCapacity ? kCapacity : std::size_t{length}};
    }
    bool overlong() const { return length > kCapacity; }
    // Stores up to kCapacity bytes of text; the unused bytes become zero.
    void assign(std::string_view text);
};

// One question as it lies in a bank file: 288 bytes, no padding.
struct QuestionRecord {
    ShortString question;
    ShortString answerA;
    ShortString answerB;
    ShortString answerC;
    // Number of the right answer (1 = A, 2 = B, 3 = C), little-endian int32.
    std::uint8_t correctLE[4] = {};

    std::int32_t correct() const;
    void setCorrect(std::int32_t value);
    // Answer 1..3 (A..C).
    const ShortString& answer(int i) const;
};

static_assert(sizeof(ShortString) == 71);
static_assert(sizeof(QuestionRecord) == 288);
static_assert(offsetof(QuestionRecord, question) == 0);
static_assert(offsetof(QuestionRecord, answerA) == 71);
static_assert(offsetof(QuestionRecord, answerB) == 142);
static_assert(offsetof(QuestionRecord, answerC) == 213);
static_assert(offsetof(QuestionRecord, correctLE) == 284);

}  // namespace kletochka
