// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard focus under real key presses and mouse clicks.
#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "widgets/bevel_panel.h"
#include "widgets/label.h"
#include "widgets/picture_button.h"
#include "window_fixture.h"

namespace kletochka {
namespace {

class FocusTest : public test::WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        TfrmMAin& w = Window();
        w.resize(1280, 1024);
        w.show();
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }
    TfrmMAin& w() { return *window; }
    static QString NameOf(const QWidget* widget) {
        return widget->metaObject()->className() + QStringLiteral(" ") + widget->objectName();
    }
    // What has the focus, by name, so that a failure says it.
    static QString Focused() {
        const QWidget* widget = QApplication::focusWidget();
        return widget ? NameOf(widget) : QStringLiteral("nothing");
    }
    QList<QWidget*> PushButtons() {
        return {w().parts().Button2, w().parts().Button3, w().parts().Button4, w().parts().Button5,
                w().parts().Button6, w().parts().Button7, w().parts().Button8, w().parts().Button9};
    }
};

TEST_F(FocusTest, OnlyTheEightPushButtonsCanTakeTheFocus) {
    QStringList takers;
    for (QWidget* widget : w().findChildren<QWidget*>()) {
        if (widget->focusPolicy() != Qt::NoFocus && !PushButtons().contains(widget)) {
            takers << NameOf(widget);
        }
    }
    EXPECT_EQ(takers, QStringList{});
}

TEST_F(FocusTest, TabCyclesTheRoundsAndConfirmBothWays) {
    w().parts().Button2->setFocus();
    const QList<QWidget*> order = PushButtons();
    for (int i = 1; i <= order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(Focused(), NameOf(order[i % order.size()])) << "after Tab " << i;
    }
    for (int i = 1; i <= order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(Focused(), NameOf(order[(order.size() - i) % order.size()]))
            << "after Shift+Tab " << i;
    }
}

TEST_F(FocusTest, ClicksBesideThePushButtonsLeaveTheFocusWhereItWas) {
    w().parts().Button5->setFocus();
    ASSERT_EQ(Focused(), NameOf(w().parts().Button5));
    const struct {
        QWidget* widget;
        QPoint at;  // null: the middle
    } places[] = {
        {w().parts().SpeedButton7, {}},  {w().parts().SpeedButton1, {}},
        {w().parts().SpeedButton2, {}},  {w().parts().lblcrossA, {}},
        {w().parts().lblZeroC, {}},      {w().parts().lblQuestion, {}},
        {w().parts().Label3, {}},        {w().parts().lbl, {}},
        {w().parts().lblHod, {}},        {w().parts().Panel1, {3, 3}},
        {w().parts().SpeedButton13, {}}, {w().surface(), {500, 700}},
        {w().surface(), {1200, 900}},
    };
    for (const auto& place : places) {
        const QPoint at = place.at.isNull() ? place.widget->rect().center() : place.at;
        QTest::mouseClick(place.widget, Qt::LeftButton, {}, at);
        EXPECT_EQ(Focused(), NameOf(w().parts().Button5))
            << "after a click on " << place.widget->objectName().toStdString();
    }
    // The focus still moves on from where it was.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(Focused(), NameOf(w().parts().Button6));
}

}  // namespace
}  // namespace kletochka
