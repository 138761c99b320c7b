// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's preview against the game's own window: the same pixels, and a
// mark exactly where the game cuts a text off.
#include <gtest/gtest.h>

#include "label.h"
#include "param_name.h"
#include "preview_pane.h"
#include "window_fixture.h"

namespace kletochka::editor {
namespace {

struct PreviewCase {
    const char* name;
    int index;  // 0 the question, 1..3 the answers
    QString text;
    bool cut;
    bool flagged;  // an "&" the game turns into an underline
};

class PreviewMatchesGame : public test::WindowTest,
                           public ::testing::WithParamInterface<PreviewCase> {
  protected:
    // The game's label for the question or the crosses' answer of the same letter.
    Label* GameLabel(int index) {
        TfrmMAin& w = Window();
        const std::array<Label*, 4> labels = {w.lblQuestion, w.lblcrossA, w.lblcrossB, w.lblcrossC};
        return labels.at(static_cast<std::size_t>(index));
    }
};

// What a label shows, grabbed from its parent so a transparent one shows what lies under it.
QImage Shown(const QWidget* label) {
    return label->parentWidget()
        ->grab(label->geometry())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

TEST_P(PreviewMatchesGame, SamePixelsAndAMarkWhereTheGameCuts) {
    const PreviewCase& c = GetParam();
    Label* game = GameLabel(c.index);
    game->setText(c.text);
    PreviewPane preview;
    preview.showText(c.index, c.text);

    EXPECT_EQ(Shown(preview.label(c.index)), Shown(game));
    EXPECT_EQ(preview.isCut(c.index), c.cut);
    const QString mark = preview.mark(c.index);
    EXPECT_EQ(mark.contains(QLatin1String("pixels")), c.cut) << mark.toStdString();
    EXPECT_EQ(mark.contains(QLatin1Char('&')), c.flagged) << mark.toStdString();
}

const QString kLongQuestion =
    QStringLiteral("Какой химический элемент обозначается символом W в таблице Менделеева?");

INSTANTIATE_TEST_SUITE_P(
    Texts, PreviewMatchesGame,
    ::testing::Values(
        PreviewCase{"empty_question", 0, {}, false, false},
        PreviewCase{"short_question", 0, QStringLiteral("Сколько ног у паука?"), false, false},
        PreviewCase{"long_question_loses_both_ends", 0, kLongQuestion, true, false},
        PreviewCase{"short_answer", 1, QStringLiteral("Восемь"), false, false},
        PreviewCase{"long_answer_loses_its_end", 2, QStringLiteral("Тираннозавр и птеродактиль"),
                    true, false},
        PreviewCase{"ampersand_underlines", 3, QStringLiteral("Кошки & собаки"), false, true},
        PreviewCase{"double_ampersand", 0, QStringLiteral("Чип && Дейл"), false, true}),
    test::ParamName());

TEST(PreviewWidths, FollowTheGameAtTheEdge) {
    // The room the game gives: a text exactly that wide is whole, one pixel more is cut.
    PreviewPane preview;
    QString text;
    while (ShownWidth(1, text + QLatin1Char('i')) <= ShownRoom(1)) {
        text += QLatin1Char('i');
    }
    preview.showText(1, text);
    EXPECT_FALSE(preview.isCut(1));
    preview.showText(1, text + QStringLiteral("ii"));
    EXPECT_TRUE(preview.isCut(1));
    EXPECT_EQ(ShownRoom(0), 1017);
    EXPECT_EQ(ShownRoom(1), 273);
}

}  // namespace
}  // namespace kletochka::editor
