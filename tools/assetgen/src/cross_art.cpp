// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "backdrop.h"
#include "canvas.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPainterPathStroker>

namespace assetgen {

namespace {
const QSizeF kDesign(51, 48);
const QPointF kShadowOffset(5, 3.5);

QPainterPath crossShape() {
    QPainterPath arms;
    arms.moveTo(6.5, 6.5);
    arms.lineTo(39.5, 37.5);
    arms.moveTo(39.5, 6.5);
    arms.lineTo(6.5, 37.5);
    QPainterPathStroker stroker;
    stroker.setWidth(12);
    stroker.setCapStyle(Qt::RoundCap);
    return stroker.createStroke(arms).simplified();
}
}  // namespace

QImage crossPicture(QSize size, const QRectF& figure) {
    const QPainterPath shape = crossShape();

    QImage shadow = clearLayer(size);
    QPainter painter;
    beginSmooth(painter, shadow);
    placeDesign(painter, figure, kDesign);
    painter.setBrush(QColor(198, 198, 198));
    painter.drawPath(shape.translated(kShadowOffset));
    painter.end();
    soften(shadow, 1);

    QImage canvas = whiteCanvas(size);
    beginSmooth(painter, canvas);
    painter.drawImage(0, 0, shadow);
    placeDesign(painter, figure, kDesign);
    QLinearGradient body(QPointF(0, 0), QPointF(46, 44));
    body.setColorAt(0.0, QColor(58, 80, 222));
    body.setColorAt(0.45, QColor(14, 25, 172));
    body.setColorAt(1.0, QColor(9, 16, 124));
    painter.setBrush(body);
    painter.drawPath(shape);

    // A light rim on the upper edges makes the cross read as raised.
    painter.setClipPath(shape);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(120, 140, 240, 150), 1.6));
    painter.drawPath(shape.translated(1.1, 1.1));
    painter.setClipping(false);
    painter.setPen(QPen(QColor(8, 14, 110), 0.9));
    painter.drawPath(shape);
    painter.end();
    return settleOnWhite(canvas);
}

QImage crossesGlyph() {
    return crossPicture(QSize(58, 57), QRectF(7, 3, 51, 48));
}

QImage crossCellMark() {
    return crossPicture(QSize(100, 100), QRectF(3, 5, 94, 88.5));
}

}  // namespace assetgen
