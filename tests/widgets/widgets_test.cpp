// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The label and picture button on their own.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "widgets/fonts.h"
#include "widgets/label.h"
#include "widgets/picture_button.h"
#include "widgets/screen_text.h"

namespace kletochka {
namespace {

// Columns of the image that hold a pixel of the given colour.
int ColumnsWith(const QImage& image, QColor color) {
    int count = 0;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixelColor(x, y) == color) {
                ++count;
                break;
            }
        }
    }
    return count;
}

Label* MakeLabel(const QString& text) {
    auto* label = new Label;
    label->setFont(ArialFont(32, false));
    label->setTextColor(Qt::black);
    label->setBackgroundColor(Qt::white);
    label->setGeometry(0, 0, 300, 40);
    label->setText(text);
    return label;
}

TEST(LabelDrawing, AmpersandIsAMnemonicAndDoubleAmpersandOneSign) {
    std::unique_ptr<Label> plain(MakeLabel("AB"));
    std::unique_ptr<Label> marked(MakeLabel("A&B"));
    std::unique_ptr<Label> doubled(MakeLabel("A&&B"));
    const QImage a = plain->grab().toImage();
    const QImage b = marked->grab().toImage();
    const QImage c = doubled->grab().toImage();
    // "A&B" draws "AB" with B underlined: wider ink at the bottom, same letters.
    EXPECT_NE(a, b);
    EXPECT_EQ(ColumnsWith(a.copy(0, 0, 300, 30), Qt::black),
              ColumnsWith(b.copy(0, 0, 300, 30), Qt::black));
    // "A&&B" shows a third sign between the letters.
    EXPECT_GT(ColumnsWith(c, Qt::black), ColumnsWith(a, Qt::black));
}

TEST(ScreenTextWidth, IsTheWidthTheLabelDrawsWithEachAmpersandHidden) {
    for (const ScreenText where : {ScreenText::Question, ScreenText::Answer}) {
        EXPECT_EQ(TextWidth(where, "Кошки & собаки"), TextWidth(where, "Кошки  собаки"));
        EXPECT_EQ(TextWidth(where, "Чип && Дейл"), TextWidth(where, "Чип &&& Дейл"));
        EXPECT_EQ(TextWidth(where, "Да&"), TextWidth(where, "Да"));
    }
    EXPECT_EQ(ShownText("a&&&b&"), "a&b");

    // The ink of the drawn text ends within the measured width, not an "&" further on.
    const QString text = QStringLiteral("WW&WW&&W");
    std::unique_ptr<Label> label(MakeLabel(text));
    const QImage image = label->grab().toImage();
    int lastInk = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixelColor(x, y) != QColor(Qt::white)) {
                lastInk = x;
            }
        }
    }
    const int width = TextWidth(ScreenText::Answer, text);
    EXPECT_LE(lastInk, width);
    EXPECT_GE(lastInk, width - 4);
}

TEST(LabelDrawing, OpaqueFillsTransparentDoesNotAndLongTextIsCutNotWrapped) {
    QWidget parent;
    parent.setAutoFillBackground(true);
    QPalette p = parent.palette();
    p.setColor(QPalette::Window, Qt::green);
    parent.setPalette(p);
    parent.resize(300, 80);
    Label* opaque = MakeLabel({});
    opaque->setParent(&parent);
    Label* clear = MakeLabel({});
    clear->setParent(&parent);
    clear->setTransparent(true);
    clear->move(0, 40);
    const QImage image = parent.grab().toImage();
    EXPECT_EQ(image.pixelColor(150, 20), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(150, 60), QColor(Qt::green));

    std::unique_ptr<Label> centred(MakeLabel(QString(40, QChar('W'))));
    centred->setAlignment(Qt::AlignHCenter);
    const QImage cut = centred->grab().toImage();
    // Both ends are lost, and nothing goes onto a second line.
    EXPECT_EQ(cut.size(), QSize(300, 40));
    EXPECT_EQ(ColumnsWith(cut.copy(0, 0, 3, 40), Qt::black) +
                      ColumnsWith(cut.copy(297, 0, 3, 40), Qt::black) >
                  0,
              true);
}

// A scaled-up label keeps its face as a picture: every change must still show, as it
// would on a label drawn afresh with the same settings.
TEST(LabelDrawing, ScaledUpLabelShowsEachChangeAsAFreshOneWould) {
    const auto scaled = [](const QString& text) {
        Label* label = MakeLabel(text);
        label->setGeometry(0, 0, 600, 80);
        label->setScale(2);
        return label;
    };
    std::unique_ptr<Label> label(scaled("AB"));
    const QImage before = label->grab().toImage();

    label->setText("CD");
    std::unique_ptr<Label> fresh(scaled("CD"));
    EXPECT_EQ(label->grab().toImage(), fresh->grab().toImage());

    label->setTextColor(Qt::red);
    label->setBold(true);
    fresh->setTextColor(Qt::red);
    fresh->setBold(true);
    EXPECT_EQ(label->grab().toImage(), fresh->grab().toImage());

    label->setFont(ArialFont(20, false));
    label->setText("AB");
    label->setTextColor(Qt::black);
    label->resize(500, 80);
    EXPECT_NE(label->grab().toImage(), before.copy(0, 0, 500, 80));
    std::unique_ptr<Label> smaller(scaled("AB"));
    smaller->setFont(ArialFont(20, false));
    smaller->resize(500, 80);
    EXPECT_EQ(label->grab().toImage(), smaller->grab().toImage());
}

TEST(LabelClicks, WholeRectangleTakesClicksEvenWhenEmpty) {
    std::unique_ptr<Label> label(MakeLabel({}));
    QSignalSpy clicks(label.get(), &Label::clicked);
    QTest::mouseClick(label.get(), Qt::LeftButton, {}, {2, 2});
    QTest::mouseClick(label.get(), Qt::LeftButton, {}, {298, 38});
    QTest::mouseClick(label.get(), Qt::RightButton, {}, {150, 20});
    EXPECT_EQ(clicks.count(), 2);
}

QImage Picture(QSize size, QColor background, QColor figure) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    for (int x = 2; x < size.width() - 2; ++x)
        image.setPixelColor(x, size.height() / 2, figure);
    return image;
}

TEST(PictureButtonDrawing, BottomLeftColourIsTransparent) {
    PictureButton button;
    button.resize(113, 113);
    QImage picture = Picture({40, 40}, Qt::red, Qt::blue);
    picture.setPixelColor(39, 0, Qt::red);
    button.setPicture(picture);
    EXPECT_EQ(button.transparentColor(), QColor(Qt::red));
    const QImage shown = button.grab().toImage();
    EXPECT_EQ(ColumnsWith(shown, Qt::red), 0);
    EXPECT_GT(ColumnsWith(shown, Qt::blue), 30);
    // A new picture takes its own bottom-left colour.
    button.setPicture(Picture({40, 40}, Qt::blue, Qt::red));
    EXPECT_EQ(button.transparentColor(), QColor(Qt::blue));
    EXPECT_GT(ColumnsWith(button.grab().toImage(), Qt::red), 30);
}

TEST(PictureButtonDrawing, WidePictureIsDrawnWholeAndCentredWithItsCaption) {
    PictureButton button;
    button.resize(113, 113);
    button.setPicture(Picture({100, 25}, Qt::white, Qt::blue));  // four times wider than high
    const QImage alone = button.grab().toImage();
    EXPECT_EQ(ColumnsWith(alone, Qt::blue), 96);
    int first = -1;
    for (int x = 0; x < 113 && first < 0; ++x)
        if (alone.pixelColor(x, 56) == QColor(Qt::blue))
            first = x;
    EXPECT_EQ(first, (113 - 100) / 2 + 2);

    button.setPicture(Picture({20, 20}, Qt::white, Qt::blue));
    button.setFont(ArialFont(40, true));
    button.setText("Д");
    const QImage pair = button.grab().toImage();
    int picLeft = -1;
    for (int x = 0; x < 113 && picLeft < 0; ++x)
        if (pair.pixelColor(x, 56) == QColor(Qt::blue))
            picLeft = x - 2;
    const int textWidth = QFontMetrics(button.font()).horizontalAdvance("Д");
    EXPECT_EQ(picLeft, (113 - (20 + 4 + textWidth)) / 2);
}

TEST(PictureButtonClicks, SunkenWhileHeldClickOnlyOnReleaseInside) {
    PictureButton button;
    button.resize(73, 73);
    button.setPicture(Picture({20, 20}, Qt::white, Qt::blue));
    QSignalSpy clicks(&button, &PictureButton::clicked);
    const QImage raised = button.grab().toImage();

    QTest::mousePress(&button, Qt::LeftButton, {}, {36, 36});
    EXPECT_TRUE(button.isDown());
    const QImage sunken = button.grab().toImage();
    EXPECT_NE(raised, sunken);
    // The picture moved one pixel right and down.
    EXPECT_EQ(sunken.copy(1, 1, 72, 72).copy(20, 20, 30, 30),
              raised.copy(0, 0, 72, 72).copy(20, 20, 30, 30));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, {36, 36});
    EXPECT_EQ(clicks.count(), 1);

    QTest::mousePress(&button, Qt::LeftButton, {}, {36, 36});
    QTest::mouseRelease(&button, Qt::LeftButton, {}, {200, 200});
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_FALSE(button.isDown());
}

TEST(PictureButtonClicks, RightClickIsReportedApartOnlyOnReleaseInside) {
    PictureButton button;
    button.resize(73, 73);
    QSignalSpy clicks(&button, &PictureButton::clicked);
    QSignalSpy rightClicks(&button, &PictureButton::rightClicked);
    QTest::mouseClick(&button, Qt::RightButton, {}, {36, 36});
    EXPECT_EQ(rightClicks.count(), 1);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_FALSE(button.isDown());

    QTest::mousePress(&button, Qt::RightButton, {}, {36, 36});
    QTest::mouseRelease(&button, Qt::RightButton, {}, {200, 200});
    // A release without its press, as after a press on another widget.
    QTest::mouseRelease(&button, Qt::RightButton, {}, {36, 36});
    EXPECT_EQ(rightClicks.count(), 1);
    QTest::mouseClick(&button, Qt::LeftButton, {}, {36, 36});
    EXPECT_EQ(rightClicks.count(), 1);
    EXPECT_EQ(clicks.count(), 1);
}

}  // namespace
}  // namespace kletochka
