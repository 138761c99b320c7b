// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QStringDecoder>
#include <QStringEncoder>
#include <cstring>
#include <string>

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

// All 256 bytes, 0x00 to 0xFF in order.
std::string EveryByte() {
    std::string bytes(256, '\0');
    for (std::size_t b = 0; b < bytes.size(); ++b) {
        bytes[b] = static_cast<char>(b);
    }
    return bytes;
}

TEST(Windows1251, DecodesBytesAsTheCodePageDefinesThem) {
    const struct {
        unsigned char byte;
        char16_t expected;
    } table[] = {
        {0x00, 0x0000}, {0x41, u'A'},   {0x7F, 0x007F}, {0x80, 0x0402}, {0x88, 0x20AC},
        {0x98, 0x0098}, {0xA0, 0x00A0}, {0xA8, 0x0401}, {0xAD, 0x00AD}, {0xB9, 0x2116},
        {0xC0, 0x0410}, {0xDF, 0x042F}, {0xE0, 0x0430}, {0xFF, 0x044F},
    };
    for (const auto& row : table) {
        const char byte = static_cast<char>(row.byte);
        const QString decoded = DecodeWindows1251(std::string_view(&byte, 1));
        ASSERT_EQ(decoded.size(), 1) << std::hex << int{row.byte};
        EXPECT_EQ(decoded.front().unicode(), row.expected) << std::hex << int{row.byte};
    }
    EXPECT_EQ(DecodeWindows1251(EveryByte()).size(), 256);
}

// Where Qt has a Windows-1251 codec of its own (with ICU), ours reads every byte as it does.
TEST(Windows1251, DecodesEveryByteAsQtsCodec) {
    QStringDecoder qt("windows-1251");
    if (!qt.isValid()) {
        GTEST_SKIP() << "this Qt has no Windows-1251 codec";
    }
    const std::string bytes = EveryByte();
    for (std::size_t b = 0x80; b < bytes.size(); ++b) {
        const std::string_view one(&bytes[b], 1);
        EXPECT_EQ(DecodeWindows1251(one), qt.decode(QByteArrayView(one.data(), 1)))
            << std::hex << b;
    }
    EXPECT_EQ(DecodeWindows1251(bytes), qt.decode(QByteArrayView(bytes.data(), 256)));
    EXPECT_FALSE(qt.hasError());
}

TEST(Windows1251, EveryCharacterOfTheCodePageEncodesBackToItsByte) {
    const std::string bytes = EveryByte();
    const QString text = DecodeWindows1251(bytes);
    for (qsizetype i = 0; i < text.size(); ++i) {
        EXPECT_EQ(EncodeWindows1251(QString(text.at(i))), std::string(1, bytes[i]))
            << std::hex << i;
    }
    EXPECT_EQ(EncodeWindows1251(text), bytes);
}

TEST(Windows1251, RefusesWhatHasNoPlaceInTheCodePage) {
    const QChar high(0xD83D);
    const QChar low(0xDE42);
    for (const QString& text : {
             QString(QChar(0x00A8)),                // Latin-1's diaeresis, not Windows-1251's
             QString::fromUtf8("Ёж ✓"),             // the check mark
             QString(u'a') + high + low,            // an emoji, as a surrogate pair
             QString(u'a') + high,                  // half a pair at the end
             QString(u'a') + low + QChar(u'b'),     // the other half alone
             QString(QChar(0xFEFF)) + QChar(u'b'),  // a byte order mark is no character
         }) {
        EXPECT_FALSE(EncodeWindows1251(text).has_value()) << text.toStdString();
    }
    EXPECT_EQ(EncodeWindows1251(QString()), std::string());
}

// Where Qt has the codec, ours refuses exactly the characters and texts it refuses.
TEST(Windows1251, RefusesExactlyWhatQtsCodecRefuses) {
    if (!QStringEncoder("windows-1251").isValid()) {
        GTEST_SKIP() << "this Qt has no Windows-1251 codec";
    }
    const auto qtEncode = [](const QString& text) -> std::optional<std::string> {
        QStringEncoder qt("windows-1251", QStringConverter::Flag::Stateless);
        const QByteArray bytes = qt.encode(text);
        return qt.hasError() ? std::nullopt : std::optional(bytes.toStdString());
    };
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        const QString one(QChar(static_cast<char16_t>(c)));
        ASSERT_EQ(EncodeWindows1251(one), qtEncode(one)) << std::hex << static_cast<unsigned>(c);
        const QString inside = QChar(u'x') + one + QChar(u'y');
        ASSERT_EQ(EncodeWindows1251(inside), qtEncode(inside))
            << std::hex << static_cast<unsigned>(c);
    }
    for (const char32_t c : {U'\U0001F642', U'\U000E0001', U'\U00010400'}) {
        const QString pair = QString::fromUcs4(&c, 1);
        EXPECT_EQ(EncodeWindows1251(pair), qtEncode(pair)) << std::hex << static_cast<unsigned>(c);
    }
}

}  // namespace
}  // namespace kletochka
