// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/label.h"

#include <QMouseEvent>
#include <QPainter>

#include "widgets/palette.h"

namespace kletochka {

namespace {
constexpr int kTextFlags = Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic;
}

Label::Label(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, true);
}

void Label::setText(const QString& text) {
    if (text != m_text) {
        m_text = text;
        changed();
    }
}

void Label::setAlignment(Qt::Alignment alignment) {
    m_alignment = alignment;
    changed();
}

void Label::setTransparent(bool transparent) {
    m_transparent = transparent;
    setAttribute(Qt::WA_OpaquePaintEvent, !transparent);
    changed();
}

void Label::setBackgroundColor(const QColor& color) {
    m_background = color;
    changed();
}

void Label::setTextColor(const QColor& color) {
    m_textColor = color;
    changed();
}

void Label::setBold(bool bold) {
    QFont f = font();
    f.setBold(bold);
    setFont(f);
    changed();
}

void Label::setLook(const LabelLook& look) {
    setFont(look.font);
    setTextColor(QColor(look.text));
    setAlignment(look.alignment);
    setTransparent(!look.background);
    setBackgroundColor(QColor(look.background.value_or(colors::clBtnFace)));
}

void Label::adjustToText() {
    const QFontMetrics metrics(font());
    resize(metrics.horizontalAdvance(m_text), metrics.height());
}

void Label::setScale(qreal scale) {
    m_scale = scale;
    changed();
}

void Label::changed() {
    m_scaledPicture = QPixmap();
    update();
}

void Label::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        m_scaledPicture = QPixmap();
    }
    QWidget::changeEvent(event);
}

void Label::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_scale == 1) {
        paintFace(painter);
        return;
    }
    // Scaled up, the letters are larger than Qt's glyph cache keeps, so each would be
    // drawn from its outline on every repaint: the label keeps its face as a picture
    // until something about it changes.
    const qreal ratio = devicePixelRatioF();
    if (m_scaledPicture.isNull() || m_scaledPicture.deviceIndependentSize() != QSizeF(size())) {
        QPixmap picture(size() * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter face(&picture);
        paintFace(face);
        face.end();
        m_scaledPicture = picture;
    }
    painter.drawPixmap(0, 0, m_scaledPicture);
}

void Label::paintFace(QPainter& painter) const {
    if (!m_transparent) {
        painter.fillRect(rect(), m_background);
    }
    painter.setClipRect(rect());
    painter.setFont(font());
    painter.setPen(m_textColor);
    painter.scale(m_scale, m_scale);
    painter.drawText(QRectF(0, 0, width() / m_scale, height() / m_scale),
                     static_cast<int>(m_alignment & Qt::AlignHorizontal_Mask) | kTextFlags, m_text);
}

void Label::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    const bool inside = rect().contains(event->position().toPoint());
    const bool wasPressed = m_pressed;
    m_pressed = false;
    if (wasPressed && event->button() == Qt::LeftButton && inside) {
        emit clicked();
    }
}

}  // namespace kletochka
