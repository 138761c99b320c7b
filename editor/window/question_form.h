// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>

class QAbstractButton;
class QButtonGroup;
class QLabel;

namespace kletochka::editor {

class FieldEdit;

// The fields of one question: the question and its three answers, each with
// what is left of its room, and which answer is right.
class QuestionForm : public QWidget {
    Q_OBJECT
  public:
    // 0 is the question, 1..3 the answers A..C; kRightAnswer names the A/B/C choice.
    static constexpr int kTexts = 4;
    static constexpr int kRightAnswer = kTexts;

    explicit QuestionForm(QWidget* parent = nullptr);

    // Shows a record without it counting as an edit; correct outside 1..3 checks no answer.
    void showText(int index, const QString& text);
    void showCorrect(int correct);
    FieldEdit* field(int index) const { return m_fields.at(static_cast<std::size_t>(index)); }
    QAbstractButton* answerButton(int answer) const;
    QLabel* counter(int index) const { return m_counters.at(static_cast<std::size_t>(index)); }
    QString refusal() const;
    // Puts the keyboard focus on a text field or, with kRightAnswer, on the A/B/C choice.
    void focusOn(int index);

  signals:
    void textEdited(int index, const QString& text);
    void correctChosen(int answer);

  private:
    void showRoom(int index);
    void showRefusal(const QString& reason);

    std::array<FieldEdit*, kTexts> m_fields{};
    std::array<QLabel*, kTexts> m_counters{};
    QButtonGroup* m_answers = nullptr;
    QLabel* m_refusal = nullptr;
};

}  // namespace kletochka::editor
