// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/fit_check.h"

#include <QFontMetrics>
#include <QGuiApplication>

#include "bank/error.h"
#include "widgets/display_text.h"
#include "widgets/fonts.h"

namespace kletochka::authoring {

namespace {

int Pixels(const QFont& font, const QString& text) {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        throw Error("measuring text needs a QGuiApplication");
    }
    return QFontMetrics(font).horizontalAdvance(text);
}

}  // namespace

int QuestionPixels(const QString& text) {
    return Pixels(QuestionFont(), text);
}

int AnswerPixels(const QString& text) {
    return Pixels(AnswerFont(), text);
}

void CheckFit(const PlacedRecord& placed, ProblemList& problems) {
    for (const NamedField& named : CheckedTextFields(placed)) {
        const bool question = named.column == kQuestion;
        const QString text = DisplayText(*named.field);
        const int width = question ? QuestionPixels(text) : AnswerPixels(text);
        const int room = question ? kQuestionWidth : kAnswerWidth;
        if (width > room) {
            problems.add({placed.line, placed.round, placed.cell, named.name,
                          "too wide for the screen: " + std::to_string(width) +
                              " pixels, room for " + std::to_string(room) + "; shorten it",
                          ProblemKind::TooWide});
        }
    }
}

}  // namespace kletochka::authoring
