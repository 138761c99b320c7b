// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QPixmap>

namespace kletochka {

// A classic picture button: never takes the focus, raised frame, sunken while
// held, picture and caption side by side and centred. The colour of the
// picture's bottom-left pixel is drawn transparent. A right click, pressed and
// released over the button, is reported apart and never clicks it.
class PictureButton : public QAbstractButton {
    Q_OBJECT
  public:
    static constexpr int kSpacing = 4;  // between picture and caption

    explicit PictureButton(QWidget* parent = nullptr);

    // The picture as loaded, shown whole; its transparent colour is taken anew.
    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }
    QColor transparentColor() const { return m_transparent; }
    // Draws the picture and the caption `scale` times their size, the picture
    // smoothed; the frame stays as thin as at the layout's size.
    void setScale(qreal scale);
    qreal scale() const { return m_scale; }

    QSize sizeHint() const override;

  signals:
    void rightClicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool m_rightPressed = false;
    qreal m_scale = 1;
    QImage m_picture;
    QPixmap m_masked;
    QColor m_transparent;
};

}  // namespace kletochka
