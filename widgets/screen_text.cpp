// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/screen_text.h"

#include <QFontMetrics>
#include <QGuiApplication>

#include "bank/error.h"
#include "widgets/fonts.h"
#include "widgets/palette.h"

namespace kletochka {

LabelLook TextLook(ScreenText where) {
    // The question line is bold, centred and lets the form show through; the answers are opaque.
    if (where == ScreenText::Question) {
        return {ArialFont(32, true), colors::clNavy, Qt::AlignHCenter, std::nullopt};
    }
    return {ArialFont(32, false), colors::clNavy, Qt::AlignLeft, colors::clBtnFace};
}

namespace {

QFontMetrics Metrics(ScreenText where) {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        throw Error("measuring text needs a QGuiApplication");
    }
    return QFontMetrics(TextLook(where).font);
}

}  // namespace

QString ShownText(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            ++i;  // a last "&" shows nothing
        }
        if (i < text.size()) {
            shown += text[i];
        }
    }
    return shown;
}

int TextWidth(ScreenText where, const QString& text) {
    return Metrics(where).horizontalAdvance(ShownText(text));
}

int AverageLetterWidth(ScreenText where) {
    return Metrics(where).averageCharWidth();
}

void SetUpScreenText(Label& label, ScreenText where, QPoint topLeft) {
    label.setLook(TextLook(where));
    label.setGeometry({topLeft, TextSize(where)});
}

void SetUpLetter(Label& label, QChar letter, QPoint topLeft) {
    label.setLook({ArialFont(32, true), colors::clRed, Qt::AlignLeft, colors::clBtnFace});
    label.setText(QString(letter));
    label.move(topLeft);
    label.adjustToText();
}

}  // namespace kletochka
