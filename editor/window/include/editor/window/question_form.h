// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>

#include "editor/field.h"

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QPushButton;

namespace kletochka::editor {

class FieldEdit;

// The fields of one question: the question and its three answers, each with
// what is left of its room, and which answer is right.
class QuestionForm : public QWidget {
    Q_OBJECT
  public:
    explicit QuestionForm(QWidget* parent = nullptr);

    // Shows a record without it counting as an edit; correct outside 1..3 checks no answer.
    void showText(Field field, const QString& text);
    void showCorrect(int correct);
    // field is not Correct.
    FieldEdit* edit(Field field) const;
    QLabel* counter(Field field) const;
    QAbstractButton* answerButton(int answer) const;
    // Why the last edit was refused; empty after one that was taken.
    QString refusal() const;
    // Forgets the refusal, which was about another question.
    void clearRefusal();
    // Takes what the refused edit can become instead, when there is such a thing;
    // hidden otherwise.
    QAbstractButton* fixButton() const;
    // Puts the keyboard focus on a text field or on the A/B/C choice.
    void focusOn(Field field);

  signals:
    void textEdited(kletochka::editor::Field field, const QString& text);
    void correctChosen(int answer);
    // The focus left a text field: a run of typing there ended.
    void typingEnded();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showRoom(Field field);
    void showRefusal(const QString& reason);
    // Shows the button for edit's fix, or hides it (edit null or without one).
    void offerFix(FieldEdit* edit);

    std::array<FieldEdit*, 4> m_edits{};
    std::array<QLabel*, 4> m_counters{};
    QButtonGroup* m_answers = nullptr;
    QLabel* m_refusal = nullptr;
    QPushButton* m_fix = nullptr;
    FieldEdit* m_fixFor = nullptr;  // the field whose refused edit m_fix would fix
};

}  // namespace kletochka::editor
