// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/window/question_form.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "editor/text_limit.h"
#include "editor/window/field_edit.h"
#include "editor/window/preview_pane.h"

namespace kletochka::editor {

namespace {

std::size_t At(Field field) {
    return static_cast<std::size_t>(field);
}

}  // namespace

QuestionForm::QuestionForm(QWidget* parent)
    : QWidget(parent),
      m_answers(new QButtonGroup(this)),
      m_refusal(new QLabel(this)),
      m_fix(new QPushButton(this)) {
    const std::array<QString, 4> captions = {tr("&Question:"), tr("Answer &A:"), tr("Answer &B:"),
                                             tr("Answer &C:")};
    const std::array<QString, 4> names = {tr("Question"), tr("Answer A"), tr("Answer B"),
                                          tr("Answer C")};
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    for (const Field field : kTextFields) {
        auto* caption = new QLabel(captions.at(At(field)), this);
        auto* edit = new FieldEdit(this);
        edit->setAccessibleName(names.at(At(field)));
        edit->installEventFilter(this);
        caption->setBuddy(edit);
        auto* counter = new QLabel(this);
        counter->setAccessibleName(tr("%1: characters left").arg(names.at(At(field))));
        counter->setToolTip(tr("Estimated from the width left on the screen line; a field "
                               "holds at most %1 characters")
                                .arg(ShortString::kCapacity));
        grid->addWidget(caption, row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(counter, row, 2);
        ++row;
        m_edits.at(At(field)) = edit;
        m_counters.at(At(field)) = counter;
        connect(edit, &FieldEdit::edited, this, [this, field](const QString& text) {
            showRoom(field);
            showRefusal({});
            emit textEdited(field, text);
        });
        connect(edit, &FieldEdit::refused, this, [this, edit](const QString& reason) {
            showRefusal(reason);
            offerFix(edit);
        });
        showRoom(field);
    }

    auto* choice = new QWidget(this);
    auto* choiceRow = new QHBoxLayout(choice);
    choiceRow->setContentsMargins(0, 0, 0, 0);
    for (int answer = 1; answer <= 3; ++answer) {
        const QString letter(QLatin1Char(static_cast<char>('A' + answer - 1)));
        auto* button = new QRadioButton(letter, choice);
        button->setAccessibleName(tr("Right answer %1").arg(letter));
        m_answers->addButton(button, answer);
        choiceRow->addWidget(button);
    }
    choiceRow->addStretch();
    auto* caption = new QLabel(tr("&Right answer:"), this);
    caption->setBuddy(m_answers->button(1));
    grid->addWidget(caption, row, 0);
    grid->addWidget(choice, row, 1, 1, 2);
    connect(m_answers, &QButtonGroup::idClicked, this, &QuestionForm::correctChosen);

    m_refusal->setWordWrap(true);
    m_refusal->setAccessibleName(tr("Why the last edit was refused"));
    QPalette red = m_refusal->palette();
    red.setColor(QPalette::WindowText, QColor(190, 0, 0));
    m_refusal->setPalette(red);
    grid->addWidget(m_refusal, row + 1, 0, 1, 3);
    m_fix->setObjectName(QStringLiteral("fixRefused"));
    m_fix->hide();
    connect(m_fix, &QPushButton::clicked, this, [this] {
        if (m_fixFor != nullptr) {
            m_fixFor->setFocus(Qt::OtherFocusReason);
            m_fixFor->applyFix();
        }
    });
    grid->addWidget(m_fix, row + 2, 1, 1, 2, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
}

void QuestionForm::showText(Field field, const QString& text) {
    edit(field)->showText(text);
    showRoom(field);
}

void QuestionForm::showCorrect(int correct) {
    // A record from a file may name no valid answer; then none is checked.
    m_answers->setExclusive(false);
    for (int answer = 1; answer <= 3; ++answer) {
        m_answers->button(answer)->setChecked(answer == correct);
    }
    m_answers->setExclusive(true);
}

FieldEdit* QuestionForm::edit(Field field) const {
    return m_edits.at(At(field));
}

QLabel* QuestionForm::counter(Field field) const {
    return m_counters.at(At(field));
}

QAbstractButton* QuestionForm::answerButton(int answer) const {
    return m_answers->button(answer);
}

QString QuestionForm::refusal() const {
    return m_refusal->text();
}

void QuestionForm::clearRefusal() {
    showRefusal({});
}

void QuestionForm::focusOn(Field field) {
    if (field == Field::Correct) {
        QAbstractButton* checked = m_answers->checkedButton();
        (checked != nullptr ? checked : m_answers->button(1))->setFocus(Qt::OtherFocusReason);
        return;
    }
    edit(field)->setFocus(Qt::OtherFocusReason);
}

bool QuestionForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        emit typingEnded();
    }
    return QWidget::eventFilter(watched, event);
}

void QuestionForm::showRoom(Field field) {
    // What runs out first: the screen line, as a guess in letters, or the field's bytes.
    const QString text = edit(field)->text();
    const int bytes = MeasureText(text).left;
    const int letters = LettersLeft(field, text);
    QString room;
    if (letters < 0) {
        room = tr("≈%n letter(s) too many for the screen", nullptr, -letters);
    } else if (bytes > letters) {
        room = tr("≈%n more letter(s)", nullptr, letters);
    } else if (bytes > 0) {
        room = tr("%n more letter(s), the field's limit", nullptr, bytes);
    } else {
        room = tr("the field is full");
    }
    counter(field)->setText(room);
}

void QuestionForm::showRefusal(const QString& reason) {
    m_refusal->setText(reason);
    if (reason.isEmpty()) {
        offerFix(nullptr);
    }
}

void QuestionForm::offerFix(FieldEdit* edit) {
    const bool offered = edit != nullptr && edit->fix();
    m_fixFor = offered ? edit : nullptr;
    m_fix->setText(offered ? edit->fix()->offer : QString());
    m_fix->setVisible(offered);
}

QAbstractButton* QuestionForm::fixButton() const {
    return m_fix;
}

}  // namespace kletochka::editor
