// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QPoint>
#include <QSize>
#include <QString>

#include "widgets/label.h"

namespace kletochka {

// Where a bank's text shows in the game: the question line or an answer label.
// The window, the editor's preview and the "too wide" check all read them from here.
enum class ScreenText { Question, Answer };

LabelLook TextLook(ScreenText where);
// The label's size; the text gets its width and no more, the rest is cut off.
inline constexpr QSize TextSize(ScreenText where) {
    return where == ScreenText::Question ? QSize(1017, 37) : QSize(273, 36);
}
inline constexpr int TextRoom(ScreenText where) {
    return TextSize(where).width();
}
// text as a label shows it: each "&" hidden, the character after it kept ("&&" shows one "&").
QString ShownText(const QString& text);
// The width text takes there in pixels, "&" hidden as the label hides it; throws
// Error without a QGuiApplication.
int TextWidth(ScreenText where, const QString& text);
// The width of an average letter there, for a guess at how many more fit.
int AverageLetterWidth(ScreenText where);

// The left edges of the crosses' letters and answers; the question line spans the board.
inline constexpr int kLetterLeft = 8;
inline constexpr int kAnswerLeft = 48;

// Gives label the look and size of a question line or an answer label, its top left at topLeft.
void SetUpScreenText(Label& label, ScreenText where, QPoint topLeft);
// Makes label the red letter before an answer, as wide as the letter.
void SetUpLetter(Label& label, QChar letter, QPoint topLeft);

}  // namespace kletochka
