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

    // A held button shows its contents one pixel right and down.
    const QPoint shift = sunken ? QPoint(1, 1) : QPoint(0, 0);
    const int left = (width() - total) / 2 + shift.x();
    if (!pictureSize.isEmpty()) {
        painter.drawPixmap(left, (height() - pictureSize.height()) / 2 + shift.y(), m_masked);
    }
    if (!textSize.isEmpty()) {
        const QRect box(left + pictureSize.width() + gap,
                        (height() - textSize.height()) / 2 + shift.y(), textSize.width(),
                        textSize.height());
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, caption);
    }
}

}  // namespace kletochka
