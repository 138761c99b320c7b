// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>

#include "editor/field.h"

class QLabel;

namespace kletochka {
class Label;
}

namespace kletochka::editor {

// One question as the class sees it: drawn by the game's own label with the
// game's fonts, colours and widths, clipped where the game clips, with a mark
// beside every text that is cut off or shows an "&" as an underline.
class PreviewPane : public QWidget {
    Q_OBJECT
  public:
    explicit PreviewPane(QWidget* parent = nullptr);

    // field is not Correct, here and below.
    void showText(Field field, const QString& text);
    const Label* label(Field field) const;
    // The mark beside a text; empty when the class sees it whole and as typed.
    QString mark(Field field) const;
    bool isCut(Field field) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::array<Label*, 4> m_labels{};
    std::array<QLabel*, 4> m_marks{};
    std::array<bool, 4> m_cut{};
};

// The width in pixels that text takes in the game's question line or answer labels.
int ShownWidth(Field field, const QString& text);
// The room the game gives that text.
int ShownRoom(Field field);
// About how many more letters fit beside text, from the width left and the
// average letter of text (of the font while text is empty); below zero, how
// many too many.
int LettersLeft(Field field, const QString& text);
// The family that draws the preview here, and the one the game asks for.
QString ShownFamily();
QString GameFamily();

}  // namespace kletochka::editor
