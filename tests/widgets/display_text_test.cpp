// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>

#include "widgets/display_text.h"

namespace kletochka {
namespace {

TEST(DisplayText, DecodesWindows1251ExactlyLengthCharacters) {
    ShortString s;
    std::memset(s.chars, '\xC0', sizeof s.chars);                 // "А" in every unused byte
    const char text[] = "\xD2\xF3\xF0\xED\xE8\xF0 \xAB\xB8\xBB";  // Турнир «ё»
    std::memcpy(s.chars, text, sizeof text - 1);
    s.length = sizeof text - 1;
    EXPECT_EQ(DisplayText(s), QString::fromUtf8("Турнир «ё»"));
    s.length = 0;
    EXPECT_TRUE(DisplayText(s).isEmpty());
}

TEST(DisplayText, OverlongLengthShowsSeventyCharacters) {
    ShortString s;
    std::memset(s.chars, 'z', sizeof s.chars);
    s.length = 255;
    EXPECT_EQ(DisplayText(s), QString(70, QLatin1Char('z')));
}

TEST(DisplayText, EncodingRoundTripsAndRefusesForeignCharacters) {
    const QString text = QString::fromUtf8("Ёж, «кавычки» — №5 & 'x'");
    const auto bytes = EncodeWindows1251(text);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(bytes->size(), static_cast<std::size_t>(text.size()));
    EXPECT_EQ(DecodeWindows1251(*bytes), text);
    EXPECT_FALSE(EncodeWindows1251(QString::fromUtf8("日本")).has_value());
    EXPECT_FALSE(EncodeWindows1251(QString::fromUtf8("smile 🙂")).has_value());
}

}  // namespace
}  // namespace kletochka
