// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas.h"
#include "pictures.h"

#include <QPolygonF>
#include <QRadialGradient>
#include <numbers>

namespace assetgen {

namespace {
const QSizeF kDesign(32, 32);
const QPointF kCentre(15.3, 17.1);
constexpr double kOuter = 15.6;
constexpr double kInner = 8.0;
const QPointF kShadowOffset(1.3, 1.3);

QPolygonF star() {
    return radialPolygon(kCentre, 10, -std::numbers::pi / 2, kOuter, kInner);
}
}  // namespace

QImage starIcon(int side) {
    QImage image = clearLayer(QSize(side, side));
    QPainter painter;
    beginSmooth(painter, image);
    placeDesign(painter, QRectF(0, 0, side, side), kDesign);
    const QPolygonF shape = star();

    painter.setBrush(QColor(119, 119, 119));
    painter.drawPolygon(shape.translated(kShadowOffset));

    QRadialGradient gold(kCentre + QPointF(-3.5, -4.5), 15);
    gold.setColorAt(0.0, QColor(255, 253, 148));
    gold.setColorAt(0.45, QColor(255, 228, 60));
    gold.setColorAt(1.0, QColor(255, 205, 2));
    painter.setBrush(gold);
    painter.setPen(QPen(QColor(155, 106, 8), 1.1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPolygon(shape);
    painter.end();
    return image;
}

}  // namespace assetgen
