// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/picture_button.h"

#include <qdrawutil.h>
#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>
#include <utility>

namespace kletochka {

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void PictureButton::setPicture(const QImage& picture) {
    m_picture = picture;
    if (picture.isNull()) {
        m_masked = QPixmap();
        m_transparent = QColor();
    } else {
        m_transparent = picture.pixelColor(0, picture.height() - 1);
        m_masked = QPixmap::fromImage(picture);
        m_masked.setMask(
            QBitmap::fromImage(picture.createMaskFromColor(m_transparent.rgb(), Qt::MaskInColor)));
    }
    update();
}

void PictureButton::setScale(qreal scale) {
    m_scale = scale;
    update();
}

QSize PictureButton::sizeHint() const {
    const QSize text = fontMetrics().size(Qt::TextSingleLine, this->text());
    return {m_picture.width() + kSpacing + text.width() + 8,
            qMax(m_picture.height(), text.height()) + 8};
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) {
        QAbstractButton::mousePressEvent(event);
        return;
    }
    m_rightPressed = true;
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) {
        QAbstractButton::mouseReleaseEvent(event);
        return;
    }
    if (std::exchange(m_rightPressed, false) && hitButton(event->position().toPoint())) {
        emit rightClicked();
    }
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool sunken = isDown();
    qDrawWinButton(&painter, rect(), palette(), sunken, &palette().brush(QPalette::Button));

    const QString caption = text();
    const QSize textSize =
        caption.isEmpty() ? QSize(0, 0) : fontMetrics().size(Qt::TextSingleLine, caption);
    const QSize pictureSize = m_masked.isNull() ? QSize(0, 0) : m_masked.size();
    const int gap = (textSize.isEmpty() || pictureSize.isEmpty()) ? 0 : kSpacing;
    const int total = pictureSize.width() + gap + textSize.width();

    // A held button shows its contents one screen pixel right and down. The face is
    // measured in layout pixels: the button was made at least `scale` times its size.
    const QPoint shift = sunken ? QPoint(1, 1) : QPoint(0, 0);
    painter.translate(shift);
    painter.scale(m_scale, m_scale);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, m_scale != 1);
    const QSize face(static_cast<int>(width() / m_scale + 1e-6),
                     static_cast<int>(height() / m_scale + 1e-6));
    const int left = (face.width() - total) / 2;
    if (!pictureSize.isEmpty()) {
        painter.drawPixmap(left, (face.height() - pictureSize.height()) / 2, m_masked);
    }
    if (!textSize.isEmpty()) {
        const QRect box(left + pictureSize.width() + gap, (face.height() - textSize.height()) / 2,
                        textSize.width(), textSize.height());
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, caption);
    }
}

}  // namespace kletochka
