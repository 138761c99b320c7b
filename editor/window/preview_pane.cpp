// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/window/preview_pane.h"

#include <QFontInfo>
#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "editor/window/problem_texts.h"
#include "widgets/label.h"
#include "widgets/palette.h"
#include "widgets/screen_text.h"

namespace kletochka::editor {

namespace {

// The preview's own arrangement: the game's labels, stacked closer than on the big screen.
constexpr int kEdge = 2;  // room for the cut-off frame outside the question line
constexpr int kMargin = 4;
constexpr QSize kQuestion = TextSize(ScreenText::Question);
constexpr QSize kAnswer = TextSize(ScreenText::Answer);
constexpr int kQuestionMarkTop = kMargin + kQuestion.height() + 2;
constexpr int kMarkHeight = 20;
constexpr int kFirstAnswerTop = kQuestionMarkTop + kMarkHeight + 6;
constexpr int kAnswerStep = kAnswer.height() + 8;
constexpr int kMarkLeft = kAnswerLeft + kAnswer.width() + 16;
constexpr int kPaneHeight = kFirstAnswerTop + 3 * kAnswerStep;

ScreenText Where(Field field) {
    return field == Field::Question ? ScreenText::Question : ScreenText::Answer;
}

int Top(int index) {
    return index == 0 ? kMargin : kFirstAnswerTop + (index - 1) * kAnswerStep;
}

QRect MarkRect(int index) {
    if (index == 0) {
        return {kEdge + kLetterLeft, kQuestionMarkTop, kQuestion.width() - kLetterLeft,
                kMarkHeight};
    }
    return {kEdge + kMarkLeft, Top(index), kQuestion.width() - kMarkLeft, kAnswer.height()};
}

}  // namespace

int ShownWidth(Field field, const QString& text) {
    return TextWidth(Where(field), text);
}

int ShownRoom(Field field) {
    return TextRoom(Where(field));
}

int LettersLeft(Field field, const QString& text) {
    const qsizetype letters = ShownText(text).size();
    const int width = ShownWidth(field, text);
    const double perLetter = std::max(
        1.0, letters > 0 ? double(width) / double(letters) : AverageLetterWidth(Where(field)));
    const double left = (ShownRoom(field) - width) / perLetter;
    return static_cast<int>(left >= 0 ? std::floor(left) : std::min(-1.0, std::floor(left)));
}

QString ShownFamily() {
    return QFontInfo(TextLook(ScreenText::Question).font).family();
}

QString GameFamily() {
    return TextLook(ScreenText::Question).font.family();
}

PreviewPane::PreviewPane(QWidget* parent) : QWidget(parent) {
    setFixedSize(kQuestion.width() + 2 * kEdge, kPaneHeight);
    setAutoFillBackground(true);
    QPalette face = palette();
    face.setColor(QPalette::Window, QColor(colors::clBtnFace));
    setPalette(face);
    for (int i = 0; i < 4; ++i) {
        auto* shown = new Label(this);
        SetUpScreenText(*shown, Where(static_cast<Field>(i)),
                        {kEdge + (i == 0 ? 0 : kAnswerLeft), Top(i)});
        m_labels.at(static_cast<std::size_t>(i)) = shown;
        if (i > 0) {
            SetUpLetter(*new Label(this), QLatin1Char(static_cast<char>('A' + i - 1)),
                        {kEdge + kLetterLeft, Top(i)});
        }
        auto* mark = new QLabel(this);
        mark->setGeometry(MarkRect(i));
        mark->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        QPalette red = mark->palette();
        red.setColor(QPalette::WindowText, QColor(colors::clRed));
        mark->setPalette(red);
        m_marks.at(static_cast<std::size_t>(i)) = mark;
    }
    setAccessibleName(tr("Preview as the class sees it"));
}

void PreviewPane::showText(Field field, const QString& text) {
    const auto at = static_cast<std::size_t>(field);
    m_labels.at(at)->setText(text);
    const int width = ShownWidth(field, text);
    const bool cut = width > ShownRoom(field);
    QStringList notes;
    if (cut) {
        notes << tr("%1 (%2 pixels wide, room for %3)")
                     .arg(ProblemWords(authoring::ProblemKind::TooWide), QString::number(width),
                          QString::number(ShownRoom(field)));
    }
    if (text.contains(QLatin1Char('&'))) {
        notes << ProblemWords(authoring::ProblemKind::Ampersand);
    }
    m_marks.at(at)->setText(notes.join(QStringLiteral("; ")));
    m_labels.at(at)->setAccessibleName(text);
    m_labels.at(at)->setAccessibleDescription(m_marks.at(at)->text());
    if (cut != m_cut.at(at)) {
        m_cut.at(at) = cut;
        update();
    }
}

const Label* PreviewPane::label(Field field) const {
    return m_labels.at(static_cast<std::size_t>(field));
}

QString PreviewPane::mark(Field field) const {
    return m_marks.at(static_cast<std::size_t>(field))->text();
}

bool PreviewPane::isCut(Field field) const {
    return m_cut.at(static_cast<std::size_t>(field));
}

void PreviewPane::paintEvent(QPaintEvent*) {
    // A red frame just outside each cut-off label; inside, the label stays as the game draws it.
    QPainter painter(this);
    const QColor red(colors::clRed);
    for (int i = 0; i < 4; ++i) {
        if (m_cut.at(static_cast<std::size_t>(i))) {
            const QRect r = m_labels.at(static_cast<std::size_t>(i))->geometry();
            painter.fillRect(r.left() - kEdge, r.top() - kEdge, r.width() + 2 * kEdge, kEdge, red);
            painter.fillRect(r.left() - kEdge, r.bottom() + 1, r.width() + 2 * kEdge, kEdge, red);
            painter.fillRect(r.left() - kEdge, r.top(), kEdge, r.height(), red);
            painter.fillRect(r.right() + 1, r.top(), kEdge, r.height(), red);
        }
    }
}

}  // namespace kletochka::editor
