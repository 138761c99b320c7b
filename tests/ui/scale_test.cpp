// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The layout scaled up to a projector's screen: where each control lands, that
// clicks and keys still reach it, and F11 between the two sizes.
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <map>

#include "bank_files.h"
#include "ui/layout_scale.h"
#include "widgets/label.h"
#include "widgets/picture_button.h"
#include "window_fixture.h"

namespace kletochka {
namespace {

using test::NumberedRight;

constexpr QSize kContent{1017, 745};

TEST(LayoutScaleOf, FillsTheScreenAcrossOrDownWhicheverComesFirstAndNeverByLittle) {
    const struct {
        QSize screen;
        qreal scale;
    } cases[] = {
        {{1024, 768}, 1},               // a classroom projector: the layout's own size
        {{1280, 800}, 1},               // 1.07x down
        {{1366, 768}, 1},               // 1.03x down
        {{1017, 745}, 1},               // the layout's size
        {{1920, 1080}, 1080.0 / 745},   // down first
        {{3840, 2160}, 2160.0 / 745},   // 4K
        {{1600, 1200}, 1600.0 / 1017},  // across first
        {{1119, 2000}, 1119.0 / 1017},  // just above the threshold
        {{1118, 2000}, 1},              // just below it
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(LayoutScale(c.screen, kContent), c.scale)
            << c.screen.width() << "x" << c.screen.height();
    }
}

class ScaleTest : public test::WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        TfrmMAin& w = Window();
        // Every component where the layout puts it, before anything is scaled.
        for (QWidget* widget : w.surface()->findChildren<QWidget*>()) {
            m_layout[widget] = {widget->geometry(), widget->font()};
        }
    }
    TfrmMAin& w() { return *window; }

    // The window at a screen's size, the layout scaled up as the game shows it.
    void Show(QSize screen) {
        w().resize(screen);
        w().show();
        w().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w()));
        w().setScaledUp(true);
        QApplication::processEvents();
    }
    // Where the layout's point `at` of the surface should be on a screen of this size.
    static QPoint OnScreen(QSize screen, QPointF at) {
        const qreal s = std::min(qreal(screen.width()) / kContent.width(),
                                 qreal(screen.height()) / kContent.height());
        const QPointF origin((screen.width() - kContent.width() * s) / 2,
                             (screen.height() - kContent.height() * s) / 2);
        return (origin + at * s).toPoint();
    }
    // The middle of a component as the layout places it, in the surface.
    QPointF LayoutCentre(QWidget* widget) {
        QRectF r = m_layout.at(widget).geometry;
        if (widget->parentWidget() != w().surface()) {
            r.translate(m_layout.at(widget->parentWidget()).geometry.topLeft());
        }
        return r.center();
    }
    void ClickAt(QPoint at) {
        QWidget* top = w().childAt(at);
        ASSERT_NE(top, nullptr);
        QTest::mouseClick(top, Qt::LeftButton, {}, top->mapFrom(&w(), at));
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(w().windowHandle(), key, modifiers);
    }
    // Every component at exactly its layout's place and font; the bands as wide as the window.
    void ExpectLayout() {
        for (const auto& [widget, layout] : m_layout) {
            QRect expected = layout.geometry;
            if (widget == w().parts().lbl || widget == w().parts().lblHod) {
                expected.setWidth(w().width());
            }
            EXPECT_EQ(widget->geometry(), expected) << widget->objectName().toStdString();
            EXPECT_EQ(widget->font(), layout.font) << widget->objectName().toStdString();
        }
    }
    QList<QWidget*> Controls() {
        const TfrmMAinParts& p = w().parts();
        QList<QWidget*> controls = {p.SpeedButton1,  p.SpeedButton2, p.SpeedButton12,
                                    p.SpeedButton13, p.Button9,      p.lblcrossA,
                                    p.lblcrossB,     p.lblcrossC,    p.lblZeroA,
                                    p.lblZeroB,      p.lblZeroC};
        for (int k = 1; k <= QuestionBank::kRounds; ++k)
            controls << w().roundButton(k);
        for (int n = 1; n <= GameState::kCells; ++n)
            controls << w().cellButton(n);
        return controls;
    }

  private:
    struct Layout {
        QRect geometry;
        QFont font;
    };
    std::map<QWidget*, Layout> m_layout;
};

TEST_F(ScaleTest, EveryControlIsOnTheScreenUnderItsScaledPlace) {
    for (const QSize screen : {QSize(1920, 1080), QSize(1600, 1200), QSize(3840, 2160)}) {
        Show(screen);
        EXPECT_DOUBLE_EQ(w().layoutScale(), LayoutScale(screen, kContent));
        const QRect whole(QPoint(0, 0), screen);
        for (QWidget* control : Controls()) {
            const std::string name = control->objectName().toStdString();
            const QRect onScreen(control->mapTo(&w(), QPoint(0, 0)), control->size());
            EXPECT_TRUE(whole.contains(onScreen)) << name << " at " << screen.width();
            EXPECT_EQ(w().childAt(OnScreen(screen, LayoutCentre(control))), control)
                << name << " at " << screen.width();
        }
        // The bands still span the screen.
        EXPECT_EQ(w().parts().lbl->width(), screen.width());
        EXPECT_EQ(w().parts().lblHod->width(), screen.width());
    }
    EXPECT_EQ(w().parts().Button9->font().pixelSize(), qRound(29 * 2160.0 / 745));
    EXPECT_EQ(w().parts().Button9->font().family(), "Arial");
}

TEST_F(ScaleTest, ClicksOnTheScaledScreenPlayATurn) {
    const QSize screen(3840, 2160);
    Show(screen);
    const auto click = [&](QWidget* control) { ClickAt(OnScreen(screen, LayoutCentre(control))); };
    click(w().roundButton(1));
    click(w().parts().SpeedButton1);
    click(w().cellButton(5));
    ASSERT_FALSE(w().parts().lblQuestion->text().isEmpty());
    Label* answers[] = {w().parts().lblcrossA, w().parts().lblcrossB, w().parts().lblcrossC};
    click(answers[NumberedRight(1, 5) - 1]);
    EXPECT_TRUE(answers[NumberedRight(1, 5) - 1]->font().bold());
    click(w().parts().Button9);
    EXPECT_EQ(CellPictureColor(5), test::kCrossColor);
    EXPECT_FALSE(w().roundButton(1)->isEnabled());
    EXPECT_EQ(sound->played().count(), 4);  // the round, the side and the cell click; the right cue
}

TEST_F(ScaleTest, F11SwitchesToTheLayoutsOwnSizeAndBackKeepingFocusAndTabOrder) {
    Show({1920, 1080});
    ASSERT_GT(w().layoutScale(), 1.4);
    EXPECT_EQ(QApplication::focusWidget(), w().parts().Button2);
    Key(Qt::Key_F11);
    EXPECT_FALSE(w().scaledUp());
    EXPECT_EQ(w().layoutScale(), 1);
    ExpectLayout();
    EXPECT_EQ(w().parts().lbl->width(), 1920);
    Key(Qt::Key_F11);
    EXPECT_DOUBLE_EQ(w().layoutScale(), 1080.0 / 745);
    EXPECT_EQ(w().childAt(OnScreen({1920, 1080}, LayoutCentre(w().cellButton(9)))),
              w().cellButton(9));
    // Scaling moved no focus and no tab stop.
    EXPECT_EQ(QApplication::focusWidget(), w().parts().Button2);
    Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w().parts().Button3);
    // A held F11 acts once.
    QTest::simulateEvent(w().windowHandle(), true, Qt::Key_F11, {}, {}, false);
    QTest::simulateEvent(w().windowHandle(), true, Qt::Key_F11, {}, {}, true);
    QTest::simulateEvent(w().windowHandle(), false, Qt::Key_F11, {}, {}, false);
    EXPECT_FALSE(w().scaledUp());
    // In the dark it does nothing, as every key but those that end the dark.
    Key(Qt::Key_Period);
    ASSERT_TRUE(w().blanked());
    Key(Qt::Key_F11);
    EXPECT_FALSE(w().scaledUp());
    Key(Qt::Key_Escape);
    EXPECT_FALSE(w().blanked());
    // With Ctrl or Alt it is no host's key.
    Key(Qt::Key_F11, Qt::ControlModifier);
    Key(Qt::Key_F11, Qt::AltModifier);
    EXPECT_FALSE(w().scaledUp());
}

TEST_F(ScaleTest, ScreensTooSmallToGainShowTheLayoutPixelForPixel) {
    for (const QSize screen : {QSize(1024, 768), QSize(1280, 800), QSize(1366, 768)}) {
        w().resize(screen);
        w().show();
        QApplication::processEvents();
        const QImage unscaled = w().grab().toImage();
        w().setScaledUp(true);
        QApplication::processEvents();
        EXPECT_EQ(w().layoutScale(), 1) << screen.width();
        ExpectLayout();
        EXPECT_EQ(w().grab().toImage(), unscaled) << screen.width();
        w().setScaledUp(false);
    }
}

}  // namespace
}  // namespace kletochka
