// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The counter beside a field: the room left on the screen line, or the field's
// own limit where that is nearer.
#include <gtest/gtest.h>

#include <QLabel>
#include <QRegularExpression>

#include "editor/window/preview_pane.h"
#include "editor/window/question_form.h"

namespace kletochka::editor {
namespace {

int Number(const QString& said) {
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("\\d+")).match(said);
    return match.hasMatch() ? match.captured().toInt() : -1;
}

TEST(FieldRoom, GuessesHowManyMoreLettersLikeThoseTypedStillFitOnTheLine) {
    // Letters all alike make the guess exact: the game cuts the text one letter after it.
    QuestionForm form;
    for (const Field field : {Field::Question, Field::AnswerB}) {
        for (const int typed : {1, 5}) {
            form.showText(field, QString(typed, QChar(u'Ш')));
            const QString said = form.counter(field)->text();
            ASSERT_TRUE(said.startsWith(QChar(u'≈'))) << said.toStdString();
            const int more = Number(said);
            EXPECT_LE(ShownWidth(field, QString(typed + more, QChar(u'Ш'))), ShownRoom(field))
                << said.toStdString();
            EXPECT_GT(ShownWidth(field, QString(typed + more + 1, QChar(u'Ш'))), ShownRoom(field))
                << said.toStdString();
        }
    }

    // Empty, the guess goes by the font: the question line holds several times an answer's.
    form.showText(Field::Question, {});
    form.showText(Field::AnswerB, {});
    const int onAnswer = Number(form.counter(Field::AnswerB)->text());
    EXPECT_GT(onAnswer, 0);
    EXPECT_GT(Number(form.counter(Field::Question)->text()), 2 * onAnswer);

    // Past the edge it says by about how much.
    const int fit = ShownRoom(Field::AnswerB) / ShownWidth(Field::AnswerB, QStringLiteral("Ш"));
    form.showText(Field::AnswerB, QString(fit + 3, QChar(u'Ш')));
    const QString over = form.counter(Field::AnswerB)->text();
    EXPECT_TRUE(over.endsWith(QLatin1String("too many for the screen"))) << over.toStdString();
    EXPECT_NEAR(Number(over), 3, 1) << over.toStdString();
}

TEST(FieldRoom, NamesTheFieldsLimitWhenItComesFirst) {
    // Narrow letters: the line has room for many more than the field's 70.
    QuestionForm form;
    form.showText(Field::Question, QString(60, QLatin1Char('i')));
    EXPECT_EQ(form.counter(Field::Question)->text(),
              QStringLiteral("10 more letter(s), the field's limit"));
    form.showText(Field::Question, QString(70, QLatin1Char('i')));
    EXPECT_EQ(form.counter(Field::Question)->text(), QStringLiteral("the field is full"));
}

}  // namespace
}  // namespace kletochka::editor
