// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

#include "editor/window/field_edit.h"
#include "editor/window/field_fix.h"
#include "editor/window/field_rules.h"
#include "param_name.h"

namespace kletochka::editor {
namespace {

struct RefusalCase {
    const char* name;
    QString text;
    QString named;  // what the refusal must name; empty when the text is taken
};

class FieldRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(FieldRefusalTest, NamesTheCharacterAtFault) {
    const auto& c = GetParam();
    const auto reason = FieldRefusal(c.text);
    if (c.named.isEmpty()) {
        EXPECT_FALSE(reason) << reason->toStdString();
    } else {
        ASSERT_TRUE(reason);
        EXPECT_TRUE(reason->contains(c.named)) << reason->toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FieldRefusalTest,
    ::testing::Values(
        RefusalCase{"cyrillic", QStringLiteral("Столица Франции — Париж?"), {}},
        RefusalCase{"yo_and_euro", QStringLiteral("Ёлка стоит 5 €, «ёж» №1"), {}},
        RefusalCase{"exactly_full", QString(70, QChar(0x0416)), {}},
        RefusalCase{"empty", QString(), {}},
        RefusalCase{"emoji", QStringLiteral("Кот 😀 спит"), QStringLiteral("U+1F600")},
        RefusalCase{"chinese", QStringLiteral("中"), QStringLiteral("U+4E2D")},
        RefusalCase{"latin_with_accent_absent", QStringLiteral("naïve"), QStringLiteral("U+00EF")},
        RefusalCase{"one_too_many", QString(71, QLatin1Char('x')), QStringLiteral("71")},
        RefusalCase{"control", QStringLiteral("a\x01"), QStringLiteral("U+0001")},
        // Stored as byte 0x98, which the game draws as a box.
        RefusalCase{"c1_control", QStringLiteral("a\u0098"), QStringLiteral("U+0098")},
        // Windows-1251 holds these, so they are no reason to refuse.
        RefusalCase{"code_page_typography", QStringLiteral("„Да“ – «нет» — ‘так’\u00A0№2…"), {}}),
    test::ParamName());

TEST(FieldRulesTest, PastedLinesBecomeOneLine) {
    EXPECT_EQ(OneLine(QStringLiteral("Париж\n")), QStringLiteral("Париж"));
    EXPECT_EQ(OneLine(QStringLiteral("два\r\nслова\tи\r\n")), QStringLiteral("два слова и"));
}

struct FixCase {
    const char* name;
    QString before;
    QString after;  // refused
    QString fixed;  // empty when nothing is offered
    int cursor;
};
void PrintTo(const FixCase& c, std::ostream* os) {
    *os << c.name;
}

class FixRefusedTest : public ::testing::TestWithParam<FixCase> {};

TEST_P(FixRefusedTest, OffersATextTheFieldTakes) {
    const FixCase& c = GetParam();
    ASSERT_TRUE(FieldRefusal(c.after));
    const auto fix = FixRefused(c.before, c.after);
    if (c.fixed.isEmpty()) {
        EXPECT_FALSE(fix) << fix->text.toStdString();
        return;
    }
    ASSERT_TRUE(fix);
    EXPECT_EQ(fix->text, c.fixed);
    EXPECT_EQ(fix->cursor, c.cursor);
    EXPECT_FALSE(FieldRefusal(fix->text));
    EXPECT_FALSE(fix->offer.isEmpty());
}

const QString k68 = QString(68, QLatin1Char('a'));

INSTANTIATE_TEST_SUITE_P(
    Edits, FixRefusedTest,
    ::testing::Values(
        FixCase{"times", QStringLiteral("2 3"), QStringLiteral("2 × 3"), QStringLiteral("2 x 3"),
                4},
        FixCase{"dashes_and_spaces",
                {},
                QStringLiteral("\u2212\u20125\u2009\u202Fкм"),
                QStringLiteral("--5  км"),
                7},
        FixCase{"paste_too_long_keeps_what_fits_before_the_rest", QStringLiteral("ab"),
                QStringLiteral("a") + QString(80, QLatin1Char('x')) + QStringLiteral("b"),
                QStringLiteral("a") + QString(68, QLatin1Char('x')) + QStringLiteral("b"), 69},
        FixCase{"stand_in_and_too_long", k68, k68 + QStringLiteral("×××"),
                k68 + QStringLiteral("xx"), 70},
        FixCase{"one_key_too_many_keeps_nothing",
                k68 + QStringLiteral("bb"),
                k68 + QStringLiteral("bbc"),
                {},
                0},
        FixCase{"emoji_has_no_stand_in", QStringLiteral("a"), QStringLiteral("a😀"), {}, 0},
        FixCase{"stand_in_beside_an_emoji", {}, QStringLiteral("×😀"), {}, 0},
        FixCase{"control", {}, QStringLiteral("×\x01"), {}, 0}),
    test::ParamName());

class FieldEditTest : public ::testing::Test {
  protected:
    FieldEdit field;
    QSignalSpy refusals{&field, &FieldEdit::refused};
    QSignalSpy edits{&field, &FieldEdit::edited};

    void Paste(const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    }
};

TEST_F(FieldEditTest, TypingPastTheRoomIsRefusedAndSaysWhy) {
    field.showText(QString(69, QLatin1Char('a')));
    QTest::keyClicks(&field, "bc");
    EXPECT_EQ(field.text(), QString(69, QLatin1Char('a')) + QLatin1Char('b'));
    ASSERT_EQ(refusals.count(), 1);
    EXPECT_TRUE(refusals.at(0).at(0).toString().contains(QLatin1String("71")));
}

TEST_F(FieldEditTest, APastedEmojiLeavesTheFieldAsItWas) {
    QTest::keyClicks(&field, "Cat");
    edits.clear();
    Paste(QStringLiteral("😀"));
    EXPECT_EQ(field.text(), QStringLiteral("Cat"));
    EXPECT_EQ(edits.count(), 0);
    ASSERT_EQ(refusals.count(), 1);
    EXPECT_TRUE(refusals.at(0).at(0).toString().contains(QStringLiteral("😀")));
}

TEST_F(FieldEditTest, APastedSpreadsheetCellLosesItsLineBreak) {
    Paste(QStringLiteral("Москва\n"));
    EXPECT_EQ(field.text(), QStringLiteral("Москва"));
    EXPECT_EQ(refusals.count(), 0);
}

TEST_F(FieldEditTest, ALetterWithACombiningMarkIsTakenAsTheComposedLetter) {
    Paste(QStringLiteral("Чаи\u0306ка"));
    EXPECT_EQ(field.text(), QStringLiteral("Чайка"));
    EXPECT_EQ(refusals.count(), 0);
    EXPECT_EQ(field.cursorPosition(), 5);
    // Typed, the mark comes as a key of its own after its letter.
    field.clear();
    for (const QChar c : QStringLiteral("и\u0306")) {
        QTest::sendKeyEvent(QTest::Click, &field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    EXPECT_EQ(field.text(), QStringLiteral("й"));
}

TEST_F(FieldEditTest, ARefusedPasteWithAStandInIsFixedWithOneClickOnlyUntilTheNextEdit) {
    QTest::keyClicks(&field, "2 3");
    field.setCursorPosition(2);
    Paste(QStringLiteral("× "));
    EXPECT_EQ(field.text(), QStringLiteral("2 3"));
    ASSERT_TRUE(field.fix());
    EXPECT_TRUE(field.fix()->offer.contains(QStringLiteral("×")));
    edits.clear();
    field.applyFix();
    EXPECT_EQ(field.text(), QStringLiteral("2 x 3"));
    EXPECT_EQ(field.cursorPosition(), 4);
    ASSERT_EQ(edits.count(), 1);
    EXPECT_FALSE(field.fix());

    Paste(QStringLiteral("−"));
    ASSERT_TRUE(field.fix());
    QTest::keyClicks(&field, "!");
    EXPECT_FALSE(field.fix());
}

TEST_F(FieldEditTest, ShownTextIsNoEditButTypingIs) {
    field.showText(QStringLiteral("из файла"));
    EXPECT_EQ(edits.count(), 0);
    QTest::keyClick(&field, Qt::Key_Backspace);
    ASSERT_EQ(edits.count(), 1);
    EXPECT_EQ(edits.at(0).at(0).toString(), QStringLiteral("из файл"));
}

TEST_F(FieldEditTest, UndoKeysAreLeftToTheWindow) {
    QTest::keyClicks(&field, "abc");
    QTest::keyClick(&field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field.text(), QStringLiteral("abc"));
}

}  // namespace
}  // namespace kletochka::editor
