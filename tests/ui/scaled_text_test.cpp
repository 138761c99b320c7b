// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's "fits on the screen" holds at every scale the game shows: a text
// right at the limit is whole, one letter more is cut, on a screen of each size.
#include <QApplication>
#include <QTest>
#include <cmath>

#include "ui/layout_scale.h"
#include "widgets/label.h"
#include "widgets/screen_text.h"
#include "window_fixture.h"

namespace kletochka {
namespace {

// The longest text of these letters, widest first, that the check lets through.
QString AtTheLimit(ScreenText where) {
    QString text;
    for (const QString letter : {"Ш", "о", "л", "1", ".", "'"}) {
        while (TextWidth(where, text + letter) <= TextRoom(where)) {
            text += letter;
        }
    }
    return text;
}

// Pixels of `image` outside the columns [from, to) that differ from `empty`.
bool DrawnOutside(const QImage& image, const QImage& empty, int from, int to) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((x < from || x >= to) && image.pixel(x, y) != empty.pixel(x, y)) {
                return true;
            }
        }
    }
    return false;
}

class ScaledTextTest : public test::WindowTest {
  protected:
    static QImage Pixels(QWidget& widget) {
        return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    // Whether `label` of the scaled window shows `text` whole: the same text in a
    // label of the same look and scale, wider by `spare` on each side the text may
    // grow to, draws nothing beyond the window's label.
    static bool Whole(Label& label, ScreenText where, const QString& text) {
        constexpr int spare = 200;
        const bool centred = where == ScreenText::Question;
        Label wide;
        SetUpScreenText(wide, where, {});
        wide.setScale(label.scale());
        wide.resize(label.width() + (centred ? 2 * spare : spare), label.height());
        const QImage empty = Pixels(wide);
        wide.setText(text);
        label.setText(text);
        const QImage all = Pixels(wide);
        const int from = centred ? spare : 0;
        // Left-aligned, the text stands at the same pixels in both. (Centred, the
        // wider label's text moves by whole pixels, but its edges are smoothed anew.)
        if (!centred) {
            EXPECT_TRUE(all.copy(0, 0, label.width(), label.height()) == Pixels(label))
                << "the window's label draws the text otherwise";
        }
        return !DrawnOutside(all, empty, from, from + label.width());
    }
};

TEST_F(ScaledTextTest, TextTheCheckLetsThroughIsWholeAndOneLetterMoreIsCutAtEveryScale) {
    Window().show();
    for (const qreal scale : {1.0, 1.25, 1.5, 2.0, 2.5}) {
        // A screen that sets this scale across, with room to spare down.
        const QSize screen(static_cast<int>(std::ceil(1017 * scale)), 3000);
        Window().resize(screen);
        Window().setScaledUp(true);
        QApplication::processEvents();
        ASSERT_NEAR(Window().layoutScale(), scale, 0.001);
        const struct {
            ScreenText where;
            Label* label;
        } texts[] = {{ScreenText::Question, Window().parts().lblQuestion},
                     {ScreenText::Answer, Window().parts().lblcrossC},
                     {ScreenText::Answer, Window().parts().lblZeroA}};
        for (const auto& [where, label] : texts) {
            const QString fits = AtTheLimit(where);
            const QString tooWide = fits + "Ш";
            // Right at the limit: within the narrowest letter of it.
            ASSERT_GE(TextWidth(where, fits), TextRoom(where) - TextWidth(where, "'"));
            ASSERT_GT(TextWidth(where, tooWide), TextRoom(where));
            const std::string at =
                label->objectName().toStdString() + " at " + std::to_string(scale);
            EXPECT_TRUE(Whole(*label, where, fits)) << at;
            EXPECT_FALSE(Whole(*label, where, tooWide)) << at;
        }
    }
}

}  // namespace
}  // namespace kletochka
