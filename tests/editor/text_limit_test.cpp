// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "editor/text_limit.h"
#include "run_qbtool.h"

namespace kletochka::editor {
namespace {

struct Typed {
    const char* name;
    QString text;
    int bytes;
    bool fits;
    int refusedAt;  // -1 when nothing is refused
    char32_t refused;
};
void PrintTo(const Typed& c, std::ostream* os) {
    *os << c.name;
}

class MeasureTextTest : public ::testing::TestWithParam<Typed> {};

TEST_P(MeasureTextTest, CountsWindows1251BytesAndFindsTheFirstCharacterItCannotHold) {
    const TextMeasure m = MeasureText(GetParam().text);
    EXPECT_EQ(m.bytes, GetParam().bytes);
    EXPECT_EQ(m.left, 70 - GetParam().bytes);
    EXPECT_EQ(m.fits(), GetParam().fits);
    ASSERT_EQ(m.refused.has_value(), GetParam().refusedAt >= 0);
    if (m.refused) {
        EXPECT_EQ(m.refused->position, GetParam().refusedAt);
        EXPECT_EQ(m.refused->code, GetParam().refused);
        EXPECT_FALSE(m.refused->why.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MeasureTextTest,
    ::testing::Values(
        Typed{"Empty", "", 0, true, -1, 0},
        Typed{"RussianIsOneByteEach", "Ёлка и ёж", 9, true, -1, 0},
        Typed{"EuroSignIsInTheCodePage", "10 €", 4, true, -1, 0},
        Typed{"SeventyFit", QString(70, QChar(0x0416)), 70, true, -1, 0},
        Typed{"SeventyOneDoNot", QString(71, 'a'), 71, false, -1, 0},
        Typed{"GreekOmega", "Ом: Ω", 4, false, 4, 0x3A9},
        Typed{"EmojiAfterText", "да 😀 нет 😀", 8, false, 3, 0x1F600},
        Typed{"LoneSurrogate", QString("a") + QChar(0xD83D) + "b", 2, false, 1, 0xD83D},
        Typed{"TrailingLoneSurrogate", QString("ab") + QChar(0xD83D), 2, false, 2, 0xD83D},
        Typed{"ChineseFirst", "中文", 0, false, 0, 0x4E2D}),
    test::ParamName());

TEST(MeasureTextTest, SaysWhichCharacterAndWhy) {
    const TextMeasure m = MeasureText("Ω");
    ASSERT_TRUE(m.refused);
    EXPECT_NE(m.refused->why.find("\"Ω\" (U+03A9)"), std::string::npos) << m.refused->why;
    EXPECT_NE(m.refused->why.find("Windows-1251"), std::string::npos);
}

}  // namespace
}  // namespace kletochka::editor
