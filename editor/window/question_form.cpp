// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "question_form.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

#include "field_edit.h"
#include "field_rules.h"

namespace kletochka::editor {

QuestionForm::QuestionForm(QWidget* parent)
    : QWidget(parent), m_answers(new QButtonGroup(this)), m_refusal(new QLabel(this)) {
    const std::array<QString, kTexts> captions = {tr("&Question:"), tr("Answer &A:"),
                                                  tr("Answer &B:"), tr("Answer &C:")};
    const std::array<QString, kTexts> names = {tr("Question"), tr("Answer A"), tr("Answer B"),
                                               tr("Answer C")};
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < kTexts; ++i) {
        const auto at = static_cast<std::size_t>(i);
        auto* caption = new QLabel(captions.at(at), this);
        auto* field = new FieldEdit(this);
        field->setAccessibleName(names.at(at));
        caption->setBuddy(field);
        auto* counter = new QLabel(this);
        counter->setAccessibleName(tr("%1: characters left").arg(names.at(at)));
        counter->setMinimumWidth(
            counter->fontMetrics().horizontalAdvance(tr("%1 of %2 left").arg(70).arg(70)));
        grid->addWidget(caption, i, 0);
        grid->addWidget(field, i, 1);
        grid->addWidget(counter, i, 2);
        m_fields.at(at) = field;
        m_counters.at(at) = counter;
        connect(field, &FieldEdit::edited, this, [this, i](const QString& text) {
            showRoom(i);
            showRefusal({});
            emit textEdited(i, text);
        });
        connect(field, &FieldEdit::refused, this, &QuestionForm::showRefusal);
        showRoom(i);
    }

    auto* choice = new QWidget(this);
    auto* row = new QHBoxLayout(choice);
    row->setContentsMargins(0, 0, 0, 0);
    for (int answer = 1; answer <= 3; ++answer) {
        const QString letter(QLatin1Char(static_cast<char>('A' + answer - 1)));
        auto* button = new QRadioButton(letter, choice);
        button->setAccessibleName(tr("Right answer %1").arg(letter));
        m_answers->addButton(button, answer);
        row->addWidget(button);
    }
    row->addStretch();
    auto* caption = new QLabel(tr("&Right answer:"), this);
    caption->setBuddy(m_answers->button(1));
    grid->addWidget(caption, kTexts, 0);
    grid->addWidget(choice, kTexts, 1, 1, 2);
    connect(m_answers, &QButtonGroup::idClicked, this, &QuestionForm::correctChosen);

    m_refusal->setWordWrap(true);
    m_refusal->setAccessibleName(tr("Why the last edit was refused"));
    QPalette red = m_refusal->palette();
    red.setColor(QPalette::WindowText, QColor(190, 0, 0));
    m_refusal->setPalette(red);
    grid->addWidget(m_refusal, kTexts + 1, 0, 1, 3);
    grid->setColumnStretch(1, 1);
}

void QuestionForm::showText(int index, const QString& text) {
    field(index)->showText(text);
    showRoom(index);
}

void QuestionForm::showCorrect(int correct) {
    // A record from a file may name no valid answer; then none is checked.
    m_answers->setExclusive(false);
    for (int answer = 1; answer <= 3; ++answer) {
        m_answers->button(answer)->setChecked(answer == correct);
    }
    m_answers->setExclusive(true);
}

QAbstractButton* QuestionForm::answerButton(int answer) const {
    return m_answers->button(answer);
}

QString QuestionForm::refusal() const {
    return m_refusal->text();
}

void QuestionForm::focusOn(int index) {
    if (index == kRightAnswer) {
        QAbstractButton* checked = m_answers->checkedButton();
        (checked != nullptr ? checked : m_answers->button(1))->setFocus(Qt::OtherFocusReason);
        return;
    }
    field(index)->setFocus(Qt::OtherFocusReason);
}

void QuestionForm::showRoom(int index) {
    const int left = FieldRoomLeft(field(index)->text());
    counter(index)->setText(tr("%1 of %2 left").arg(left).arg(FieldCapacity()));
}

void QuestionForm::showRefusal(const QString& reason) {
    m_refusal->setText(reason);
}

}  // namespace kletochka::editor
