// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window as the host sees it right after start-up.
#include <QApplication>
#include <QFontInfo>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include "widgets/bevel_panel.h"
#include "widgets/label.h"
#include "widgets/palette.h"
#include "widgets/picture_button.h"
#include "window_fixture.h"

namespace kletochka {
namespace {

using test::WindowTest;

struct Expected {
    const char* name;
    QRect geometry;
    int pixelHeight;
    bool bold;
    QRgb color;
    const char* text;
};

// Left, top, width, height; font height, bold, colour; text at creation.
const Expected kLabels[] = {
    {"lblQuestion", {0, 176, 1017, 37}, 32, true, colors::clNavy, ""},
    {"lblcrossA", {48, 312, 273, 36}, 32, false, colors::clNavy, ""},
    {"lblcrossB", {48, 384, 273, 36}, 32, false, colors::clNavy, ""},
    {"lblcrossC", {48, 456, 273, 36}, 32, false, colors::clNavy, ""},
    {"lblZeroA", {704, 312, 273, 36}, 32, false, colors::clNavy, ""},
    {"lblZeroB", {704, 384, 273, 36}, 32, false, colors::clNavy, ""},
    {"lblZeroC", {704, 456, 273, 36}, 32, false, colors::clNavy, ""},
    {"Label2", {8, 312, 23, 37}, 32, true, colors::clRed, "A"},
    {"Label3", {8, 384, 22, 37}, 32, true, colors::clRed, "B"},
    {"Label4", {984, 312, 23, 37}, 32, true, colors::clRed, "A"},
    {"Label5", {8, 456, 23, 37}, 32, true, colors::clRed, "C"},
    {"Label6", {984, 376, 22, 37}, 32, true, colors::clRed, "B"},
    {"Label7", {984, 456, 23, 37}, 32, true, colors::clRed, "C"},
};

const Expected kButtons[] = {
    {"Button2", {8, 96, 75, 73}, 40, true, colors::clHotLight, "1"},
    {"Button3", {152, 96, 75, 73}, 40, true, colors::clHotLight, "2"},
    {"Button4", {312, 96, 75, 73}, 40, true, colors::clHotLight, "3"},
    {"Button5", {472, 96, 75, 73}, 40, true, colors::clHotLight, "4"},
    {"Button6", {624, 96, 75, 73}, 40, true, colors::clHotLight, "5"},
    {"Button7", {776, 96, 75, 73}, 40, true, colors::clHotLight, "6"},
    {"Button8", {936, 96, 75, 73}, 40, true, colors::clHotLight, "7"},
    {"Button9", {8, 600, 1001, 73}, 29, true, colors::clNavy, "Подтвердить выбор"},
};

const Expected kPictureButtons[] = {
    {"SpeedButton1", {8, 232, 73, 73}, 0, false, 0, ""},
    {"SpeedButton2", {936, 232, 73, 73}, 0, false, 0, ""},
    {"SpeedButton12", {952, 680, 57, 57}, 0, false, 0, ""},
    {"SpeedButton13", {8, 680, 65, 65}, 0, false, 0, ""},
    {"SpeedButton3", {8, 8, 113, 113}, 40, true, colors::clBackground, "А"},
    {"SpeedButton4", {128, 8, 113, 113}, 40, true, colors::clBackground, "Б"},
    {"SpeedButton5", {248, 8, 113, 113}, 40, true, colors::clBackground, "В"},
    {"SpeedButton6", {8, 128, 113, 113}, 40, true, colors::clBackground, "Г"},
    {"SpeedButton7", {128, 128, 113, 113}, 40, true, colors::clBackground, "Д"},
    {"SpeedButton8", {248, 128, 113, 113}, 40, true, colors::clBackground, "Е"},
    {"SpeedButton9", {8, 248, 113, 113}, 40, true, colors::clBackground, "Ж"},
    {"SpeedButton10", {128, 248, 113, 113}, 40, true, colors::clBackground, "З"},
    {"SpeedButton11", {248, 248, 113, 113}, 40, true, colors::clBackground, "И"},
};

QWidget* NextTabStop(QWidget* from) {
    QWidget* next = from->nextInFocusChain();
    while (next != from && (next->focusPolicy() & Qt::TabFocus) != Qt::TabFocus) {
        next = next->nextInFocusChain();
    }
    return next;
}

void ExpectFont(const QFont& font, const Expected& e) {
    EXPECT_EQ(font.pixelSize(), e.pixelHeight) << e.name;
    EXPECT_EQ(font.bold(), e.bold) << e.name;
    // Arial, drawn in whatever face this system gives for Arial.
    EXPECT_EQ(font.family(), "Arial") << e.name;
    EXPECT_EQ(QFontInfo(font).family(), QFontInfo(QFont("Arial")).family()) << e.name;
}

TEST_F(WindowTest, LabelsMatchTheLayout) {
    for (const Expected& e : kLabels) {
        auto* label = Window().findChild<Label*>(e.name);
        ASSERT_NE(label, nullptr) << e.name;
        const bool letter = QString(e.name).startsWith("Label");
        if (letter) {
            // Sized to the letter: the font decides, within a pixel of the layout.
            EXPECT_EQ(label->pos(), e.geometry.topLeft()) << e.name;
            EXPECT_NEAR(label->width(), e.geometry.width(), 1) << e.name;
            EXPECT_NEAR(label->height(), e.geometry.height(), 1) << e.name;
        } else {
            EXPECT_EQ(label->geometry(), e.geometry) << e.name;
        }
        ExpectFont(label->font(), e);
        EXPECT_EQ(label->textColor().rgb(), e.color) << e.name;
        EXPECT_EQ(label->text(), QString::fromUtf8(e.text)) << e.name;
        EXPECT_EQ(label->isTransparent(), QString(e.name) == "lblQuestion") << e.name;
    }
    EXPECT_EQ(Window().parts().Label6->y() + 8, Window().parts().Label3->y());
}

TEST_F(WindowTest, BandsAreSolidAndStretchOverTheWidth) {
    TfrmMAin& w = Window();
    EXPECT_EQ(w.parts().lbl->geometry(), QRect(0, 0, 1138, 49));
    EXPECT_EQ(w.parts().lbl->text(), "Турнир-клеточка");
    EXPECT_EQ(w.parts().lbl->font().pixelSize(), 40);
    EXPECT_EQ(w.parts().lbl->textColor().rgb(), colors::clGradientActiveCaption);
    EXPECT_EQ(w.parts().lbl->backgroundColor().rgb(), colors::clBtnText);
    EXPECT_EQ(w.parts().lblHod->backgroundColor().rgb(), colors::clBlack);
    EXPECT_EQ(w.parts().lblHod->textColor().rgb(), colors::clLime);
    EXPECT_EQ(w.parts().lblHod->geometry(), QRect(0, 48, 1025, 41));

    w.resize(1400, 900);
    const QImage screen = w.grab().toImage();
    // The repaint widened the turn band to the title band, and both are filled though empty.
    EXPECT_EQ(w.parts().lbl->width(), w.surface()->width());
    EXPECT_EQ(w.parts().lblHod->width(), w.parts().lbl->width());
    EXPECT_EQ(screen.pixelColor(1390, 5).rgb(), colors::clBtnText);
    EXPECT_EQ(screen.pixelColor(1390, 80).rgb(), colors::clBlack);
}

// The class sees the start-up frame whole at once: no band is painted a second
// time because its width changed while the first frame was being painted.
TEST_F(WindowTest, FirstFrameNeedsOnePaint) {
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        GTEST_SKIP() << "paints are counted as the offscreen platform delivers them";
    }
    struct PaintCount : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } count;
    TfrmMAin& w = Window();
    w.parts().lblHod->installEventFilter(&count);
    w.showOnPrimaryScreen();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    for (int i = 0; i < 5; ++i) {
        QApplication::sendPostedEvents();
        QApplication::processEvents();
    }
    EXPECT_EQ(count.paints, 1);
    EXPECT_EQ(w.parts().lblHod->width(), w.parts().lbl->width());
    EXPECT_EQ(w.parts().lbl->width(), w.surface()->width());
}

TEST_F(WindowTest, SoundGetsReadyOnceTheFirstFrameIsUp) {
    TfrmMAin& w = Window();
    QApplication::processEvents();
    EXPECT_EQ(sound->prepared, 0);
    w.showOnPrimaryScreen();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QApplication::processEvents();
    EXPECT_EQ(sound->prepared, 1);
    w.repaint();
    QApplication::processEvents();
    EXPECT_EQ(sound->prepared, 1);
}

TEST_F(WindowTest, PushButtonsMatchTheLayoutAndTabInOrder) {
    QWidget* previous = nullptr;
    for (const Expected& e : kButtons) {
        auto* button = Window().findChild<QPushButton*>(e.name);
        ASSERT_NE(button, nullptr) << e.name;
        EXPECT_EQ(button->geometry(), e.geometry) << e.name;
        ExpectFont(button->font(), e);
        EXPECT_EQ(button->palette().color(QPalette::ButtonText).rgb(), e.color) << e.name;
        EXPECT_EQ(button->text(), QString::fromUtf8(e.text));
        EXPECT_TRUE(button->isEnabled());
        if (previous) {
            EXPECT_EQ(NextTabStop(previous), button) << e.name;
        }
        previous = button;
    }
}

TEST_F(WindowTest, PictureButtonsAndBoardMatchTheLayout) {
    for (const Expected& e : kPictureButtons) {
        auto* button = Window().findChild<PictureButton*>(e.name);
        ASSERT_NE(button, nullptr) << e.name;
        EXPECT_EQ(button->geometry(), e.geometry) << e.name;
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus) << e.name;
        EXPECT_EQ(button->text(), QString::fromUtf8(e.text)) << e.name;
        if (e.pixelHeight != 0) {
            EXPECT_EQ(button->parentWidget(), static_cast<QWidget*>(Window().parts().Panel1))
                << e.name;
            EXPECT_TRUE(button->picture().isNull()) << e.name;
            ExpectFont(button->font(), e);
            EXPECT_EQ(button->palette().color(QPalette::ButtonText).rgb(), e.color) << e.name;
        } else {
            // The built-in pictures lose exactly their white backgrounds.
            EXPECT_FALSE(button->picture().isNull()) << e.name;
            EXPECT_EQ(button->transparentColor(), QColor(Qt::white)) << e.name;
            EXPECT_LT(button->picture().width(), e.geometry.width()) << e.name;
        }
    }
    EXPECT_EQ(Window().parts().Panel1->geometry(), QRect(328, 224, 369, 369));
    EXPECT_EQ(Window().parts().SpeedButton1->picture().size(), QSize(58, 57));
    EXPECT_EQ(Window().parts().SpeedButton2->picture().size(), QSize(55, 59));
    EXPECT_EQ(Window().parts().SpeedButton12->picture().size(), QSize(53, 51));
    EXPECT_EQ(Window().parts().SpeedButton13->picture().size(), QSize(51, 54));
}

TEST_F(WindowTest, WindowIsBorderlessWithTitleIconAndStoppedTimer) {
    TfrmMAin& w = Window();
    EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(w.windowTitle(), "Турнир-клеточка");
    EXPECT_FALSE(w.windowIcon().isNull());
    EXPECT_EQ(w.windowIcon().availableSizes().value(0), QSize(32, 32));
    EXPECT_EQ(w.opacity(), 255);
    EXPECT_EQ(w.parts().TimerStop->interval(), 100);
    EXPECT_FALSE(w.parts().TimerStop->isActive());
    EXPECT_EQ(w.surface()->palette().color(QPalette::Window).rgb(), colors::clBtnFace);
    EXPECT_EQ(QApplication::style()->name(), "windows");
}

TEST_F(WindowTest, SmallWindowScrollsLargeOneDoesNot) {
    TfrmMAin& w = Window();
    auto* scroll = w.findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    w.resize(800, 600);
    w.show();
    QApplication::processEvents();
    EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
    EXPECT_TRUE(scroll->horizontalScrollBar()->isVisible());
    EXPECT_GE(scroll->verticalScrollBar()->maximum(), 745 - 600);
    w.resize(1280, 1024);
    QApplication::processEvents();
    EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
    EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
    // Every component but the bands stays at its place at the top left.
    EXPECT_EQ(w.parts().Button9->geometry(), QRect(8, 600, 1001, 73));
    EXPECT_EQ(w.parts().lbl->width(), 1280);
}

}  // namespace
}  // namespace kletochka
