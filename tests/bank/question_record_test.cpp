// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>

#include "bank/question_record.h"

namespace kletochka {
namespace {

QuestionRecord FromBytes(const unsigned char (&bytes)[288]) {
    QuestionRecord r;
    std::memcpy(&r, bytes, sizeof r);
    return r;
}

TEST(QuestionRecord, FieldsSitAtTheirFileOffsets) {
    unsigned char bytes[288] = {};
    bytes[0] = 1, bytes[1] = 'q';
    bytes[71] = 1, bytes[72] = 'a';
    bytes[142] = 1, bytes[143] = 'b';
    bytes[213] = 2, bytes[214] = 'c', bytes[215] = 'C';
    bytes[284] = 3;
    const QuestionRecord r = FromBytes(bytes);
    EXPECT_EQ(r.question.view(), "q");
    EXPECT_EQ(r.answer(1).view(), "a");
    EXPECT_EQ(r.answer(2).view(), "b");
    EXPECT_EQ(r.answer(3).view(), "cC");
    EXPECT_EQ(r.correct(), 3);
}

TEST(QuestionRecord, CorrectIsLittleEndianSigned) {
    unsigned char bytes[288] = {};
    bytes[284] = 0xFF, bytes[285] = 0xFF, bytes[286] = 0xFF, bytes[287] = 0xFF;
    EXPECT_EQ(FromBytes(bytes).correct(), -1);
    bytes[284] = 0x04, bytes[285] = 0x01, bytes[286] = 0x00, bytes[287] = 0x00;
    EXPECT_EQ(FromBytes(bytes).correct(), 0x104);

    QuestionRecord r;
    r.setCorrect(-2);
    EXPECT_EQ(r.correctLE[0], 0xFE);
    EXPECT_EQ(r.correctLE[3], 0xFF);
    EXPECT_EQ(r.correct(), -2);
}

TEST(QuestionRecord, LengthDecidesTheTextNotTheRestOfTheField) {
    ShortString s;
    std::memset(s.chars, 'x', sizeof s.chars);
    s.length = 0;
    EXPECT_EQ(s.view(), "");
    s.length = 3;
    EXPECT_EQ(s.view(), "xxx");
    // A length beyond the field's capacity never reaches past the field.
    s.length = 200;
    EXPECT_TRUE(s.overlong());
    EXPECT_EQ(s.view().size(), 70u);
}

TEST(QuestionRecord, AssignZeroesUnusedBytesAndCapsAtCapacity) {
    ShortString s;
    std::memset(s.chars, 'x', sizeof s.chars);
    s.assign("ab");
    EXPECT_EQ(s.length, 2);
    EXPECT_EQ(s.chars[2], '\0');
    EXPECT_EQ(s.chars[69], '\0');
    s.assign(std::string(80, 'y'));
    EXPECT_EQ(s.length, 70);
}

}  // namespace
}  // namespace kletochka
