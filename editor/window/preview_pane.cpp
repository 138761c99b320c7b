// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/window/preview_pane.h"

#include <QLabel>
#include <QPainter>

#include "authoring/fit_check.h"
#include "widgets/fonts.h"
#include "widgets/label.h"
#include "widgets/palette.h"

namespace kletochka::editor {

namespace {

// The preview's own arrangement: the game's line heights, stacked closer than on the big screen.
constexpr int kEdge = 2;  // room for the cut-off frame outside the question line
constexpr int kMargin = 4;
constexpr int kQuestionHeight = 37;
constexpr int kAnswerHeight = 36;
constexpr int kAnswerLeft = 48;
constexpr int kLetterLeft = 8;
constexpr int kQuestionMarkTop = kMargin + kQuestionHeight + 2;
constexpr int kMarkHeight = 20;
constexpr int kFirstAnswerTop = kQuestionMarkTop + kMarkHeight + 6;
constexpr int kAnswerStep = kAnswerHeight + 8;
constexpr int kMarkLeft = kAnswerLeft + kAnswerWidth + 16;
constexpr int kPaneHeight = kFirstAnswerTop + 3 * kAnswerStep;

QRect LabelRect(int index) {
    if (index == 0) {
        return {kEdge, kMargin, kQuestionWidth, kQuestionHeight};
    }
    return {kEdge + kAnswerLeft, kFirstAnswerTop + (index - 1) * kAnswerStep, kAnswerWidth,
            kAnswerHeight};
}

QRect MarkRect(int index) {
    if (index == 0) {
        return {kEdge + kLetterLeft, kQuestionMarkTop, kQuestionWidth - kLetterLeft, kMarkHeight};
    }
    const QRect label = LabelRect(index);
    return {kEdge + kMarkLeft, label.top(), kQuestionWidth - kMarkLeft, label.height()};
}

Label* MakeGameLabel(QWidget* parent, int index) {
    auto* label = new Label(parent);
    label->setGeometry(LabelRect(index));
    label->setFont(index == 0 ? QuestionFont() : AnswerFont());
    label->setTextColor(QColor(colors::clNavy));
    label->setBackgroundColor(QColor(colors::clBtnFace));
    // The question line is transparent and centred in the game, the answers opaque and left.
    label->setTransparent(index == 0);
    label->setAlignment(index == 0 ? Qt::AlignHCenter : Qt::AlignLeft);
    return label;
}

Label* MakeLetter(QWidget* parent, int index) {
    auto* letter = new Label(parent);
    letter->setFont(ArialFont(32, true));
    letter->setTextColor(QColor(colors::clRed));
    letter->setBackgroundColor(QColor(colors::clBtnFace));
    letter->setText(QString(QLatin1Char(static_cast<char>('A' + index - 1))));
    letter->adjustToText();
    letter->move(kEdge + kLetterLeft, LabelRect(index).top());
    return letter;
}

}  // namespace

int ShownWidth(Field field, const QString& text) {
    // The same measure as the bank check's "too wide", so the mark and the problem agree.
    return field == Field::Question ? authoring::QuestionPixels(text)
                                    : authoring::AnswerPixels(text);
}

int ShownRoom(Field field) {
    return field == Field::Question ? kQuestionWidth : kAnswerWidth;
}

PreviewPane::PreviewPane(QWidget* parent) : QWidget(parent) {
    setFixedSize(kQuestionWidth + 2 * kEdge, kPaneHeight);
    setAutoFillBackground(true);
    QPalette face = palette();
    face.setColor(QPalette::Window, QColor(colors::clBtnFace));
    setPalette(face);
    for (int i = 0; i < 4; ++i) {
        m_labels.at(static_cast<std::size_t>(i)) = MakeGameLabel(this, i);
        if (i > 0) {
            MakeLetter(this, i);
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
        notes << tr("Cut off: %1 pixels wide, room for %2").arg(width).arg(ShownRoom(field));
    }
    if (text.contains(QLatin1Char('&'))) {
        notes << tr("\"&\" is not shown: the letter after it is underlined");
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
            const QRect r = LabelRect(i);
            painter.fillRect(r.left() - kEdge, r.top() - kEdge, r.width() + 2 * kEdge, kEdge, red);
            painter.fillRect(r.left() - kEdge, r.bottom() + 1, r.width() + 2 * kEdge, kEdge, red);
            painter.fillRect(r.left() - kEdge, r.top(), kEdge, r.height(), red);
            painter.fillRect(r.right() + 1, r.top(), kEdge, r.height(), red);
        }
    }
}

}  // namespace kletochka::editor
