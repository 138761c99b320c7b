// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's preview against the game's own window: the same pixels, and a
// mark exactly where the game cuts a text off.
#include <gtest/gtest.h>

#include "editor/window/preview_pane.h"
#include "param_name.h"
#include "widgets/label.h"
#include "window_fixture.h"

namespace kletochka::editor {
namespace {

struct PreviewCase {
    const char* name;
    Field field;
    QString text;
    bool cut;
    bool flagged;  // an "&" the game turns into an underline
};

class PreviewMatchesGame : public test::WindowTest,
                           public ::testing::WithParamInterface<PreviewCase> {
  protected:
    // The game's label for the question or the crosses' answer of the same letter.
    Label* GameLabel(Field field) {
        TfrmMAin& w = Window();
        const std::array<Label*, 4> labels = {w.parts().lblQuestion, w.parts().lblcrossA,
                                              w.parts().lblcrossB, w.parts().lblcrossC};
        return labels.at(static_cast<std::size_t>(field));
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
    Label* game = GameLabel(c.field);
    game->setText(c.text);
    PreviewPane preview;
    preview.showText(c.field, c.text);

    EXPECT_EQ(Shown(preview.label(c.field)), Shown(game));
    EXPECT_EQ(preview.isCut(c.field), c.cut);
    const QString mark = preview.mark(c.field);
    EXPECT_EQ(mark.contains(QLatin1String("pixels")), c.cut) << mark.toStdString();
    EXPECT_EQ(mark.contains(QLatin1Char('&')), c.flagged) << mark.toStdString();
}

const QString kLongQuestion =
    QStringLiteral("Какой химический элемент обозначается символом W в таблице Менделеева?");

INSTANTIATE_TEST_SUITE_P(
    Texts, PreviewMatchesGame,
    ::testing::Values(
        PreviewCase{"empty_question", Field::Question, {}, false, false},
        PreviewCase{"short_question", Field::Question, QStringLiteral("Сколько ног у паука?"),
                    false, false},
        PreviewCase{"long_question_loses_both_ends", Field::Question, kLongQuestion, true, false},
        PreviewCase{"short_answer", Field::AnswerA, QStringLiteral("Восемь"), false, false},
        PreviewCase{"long_answer_loses_its_end", Field::AnswerB,
                    QStringLiteral("Тираннозавр и птеродактиль"), true, false},
        PreviewCase{"ampersand_underlines", Field::AnswerC, QStringLiteral("Кошки & собаки"), false,
                    true},
        PreviewCase{"double_ampersand", Field::Question, QStringLiteral("Чип && Дейл"), false,
                    true}),
    test::ParamName());

TEST(PreviewWidths, FollowTheGameAtTheEdge) {
    // The room the game gives: a text exactly that wide is whole, one pixel more is cut.
    PreviewPane preview;
    QString text;
    while (ShownWidth(Field::AnswerA, text + QLatin1Char('i')) <= ShownRoom(Field::AnswerA)) {
        text += QLatin1Char('i');
    }
    preview.showText(Field::AnswerA, text);
    EXPECT_FALSE(preview.isCut(Field::AnswerA));
    preview.showText(Field::AnswerA, text + QStringLiteral("ii"));
    EXPECT_TRUE(preview.isCut(Field::AnswerA));
    EXPECT_EQ(ShownRoom(Field::Question), 1017);
    EXPECT_EQ(ShownRoom(Field::AnswerA), 273);
}

}  // namespace
}  // namespace kletochka::editor
