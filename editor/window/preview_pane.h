// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>

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
    // 0 is the question, 1..3 the answers A..C.
    static constexpr int kTexts = 4;

    explicit PreviewPane(QWidget* parent = nullptr);

    void showTexts(const std::array<QString, kTexts>& texts);
    void showText(int index, const QString& text);

    const Label* label(int index) const { return m_labels.at(static_cast<std::size_t>(index)); }
    // The mark beside a text; empty when the class sees it whole and as typed.
    QString mark(int index) const;
    bool isCut(int index) const { return m_cut.at(static_cast<std::size_t>(index)); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::array<Label*, kTexts> m_labels{};
    std::array<QLabel*, kTexts> m_marks{};
    std::array<bool, kTexts> m_cut{};
};

// The width in pixels that text takes in the game's question line (index 0) or answer labels.
int ShownWidth(int index, const QString& text);
// The room the game gives that text.
int ShownRoom(int index);

}  // namespace kletochka::editor
