// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>
#include <optional>

namespace kletochka {

// What a label draws with, apart from its text and place.
struct LabelLook {
    QFont font;
    QRgb text;
    Qt::Alignment alignment;
    std::optional<QRgb> background;  // none: transparent
};

// A text label as the classic toolkit draws it: an opaque one fills its whole
// rectangle first; the text is one line from the top, clipped, with "&" as a
// mnemonic prefix. It reports clicks over its whole rectangle, even when empty.
class Label : public QWidget {
    Q_OBJECT
  public:
    explicit Label(QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);
    // Transparent labels show their parent through; opaque ones use the background colour.
    bool isTransparent() const { return m_transparent; }
    void setTransparent(bool transparent);
    QColor backgroundColor() const { return m_background; }
    void setBackgroundColor(const QColor& color);
    QColor textColor() const { return m_textColor; }
    void setTextColor(const QColor& color);
    void setBold(bool bold);
    // Font, colours, alignment and transparency at once.
    void setLook(const LabelLook& look);
    // Resizes the label to its text (without mnemonics) in its font.
    void adjustToText();
    // Draws everything `scale` times its layout size: the text is laid out in the
    // label's size divided by `scale`, then painted through the scale, so that it
    // takes exactly `scale` times its layout width, wherever the font's hinting
    // would round a larger font's letters otherwise.
    void setScale(qreal scale);
    qreal scale() const { return m_scale; }

  signals:
    void clicked();

  protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void changed();
    void paintFace(QPainter& painter) const;

    QString m_text;
    Qt::Alignment m_alignment = Qt::AlignLeft;
    bool m_transparent = false;
    bool m_pressed = false;
    qreal m_scale = 1;
    QColor m_background;
    QColor m_textColor;
    QPixmap m_scaledPicture;  // the face when scaled up; null until painted or after a change
};

}  // namespace kletochka
