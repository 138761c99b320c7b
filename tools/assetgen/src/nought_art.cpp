// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "backdrop.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace assetgen {

namespace {
const QSizeF kDesign(48, 49);
const QRectF kFace(7.5, 0.5, 40, 48);
const QRectF kHole(19.5, 11.5, 16, 26);
constexpr double kDepth = 7;

QPainterPath ellipse(const QRectF& r) {
    QPainterPath path;
    path.addEllipse(r);
    return path;
}

// The face swept back to the left: both end ellipses and the band between their centres.
QPainterPath sweptBody() {
    QPainterPath body = ellipse(kFace) | ellipse(kFace.translated(-kDepth, 0));
    QPainterPath band;
    band.addRect(QRectF(kFace.center().x() - kDepth, kFace.top(), kDepth, kFace.height()));
    return (body | band).simplified();
}

void paintDepth(QPainter& painter) {
    QLinearGradient grey(QPointF(0, 0), QPointF(kFace.center().x(), 0));
    grey.setColorAt(0.0, QColor(166, 166, 166));
    grey.setColorAt(0.35, QColor(189, 189, 189));
    grey.setColorAt(1.0, QColor(206, 206, 206));
    painter.setPen(QPen(QColor(104, 104, 110), 0.9));
    painter.setBrush(grey);
    painter.drawPath(sweptBody());
}

void paintFace(QPainter& painter) {
    const QPainterPath ring = (ellipse(kFace) - ellipse(kHole)).simplified();
    QLinearGradient red(kFace.topLeft(), kFace.bottomRight());
    red.setColorAt(0.0, QColor(226, 62, 92));
    red.setColorAt(0.4, QColor(189, 18, 52));
    red.setColorAt(1.0, QColor(140, 8, 36));
    painter.setPen(QPen(QColor(104, 6, 28), 0.9));
    painter.setBrush(red);
    painter.drawPath(ring);

    // Gloss on the upper left of the outer edge.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(250, 150, 170, 170), 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(kFace.adjusted(2.2, 2.2, -2.2, -2.2), 100 * 16, 70 * 16);
}

// Through the hole: the see-through part pale, the inner wall on the right a little darker.
void paintHole(QPainter& painter) {
    QLinearGradient light(kHole.topRight(), kHole.bottomLeft());
    light.setColorAt(0.0, QColor(226, 226, 230));
    light.setColorAt(1.0, QColor(kInnerWhite, kInnerWhite, kInnerWhite));
    painter.setPen(Qt::NoPen);
    painter.setBrush(light);
    painter.drawEllipse(kHole);

    const QPainterPath wall = (ellipse(kHole) - ellipse(kHole.translated(-kDepth, 0))).simplified();
    painter.setBrush(QColor(204, 204, 210));
    painter.drawPath(wall);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(240, 78, 34), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(kHole.adjusted(0.6, 0.6, -0.6, -0.6), 190 * 16, 80 * 16);
}
}  // namespace

QImage noughtPicture(QSize size, const QRectF& figure) {
    return paintOnWhite(size, figure, kDesign, [](QPainter& painter) {
        paintDepth(painter);
        paintHole(painter);
        paintFace(painter);
    });
}

QImage noughtsGlyph() {
    return noughtPicture(QSize(55, 59), QRectF(2, 4, 48, 49));
}

QImage noughtCellMark() {
    return noughtPicture(QSize(100, 100), QRectF(4, 3, 92, 94));
}

}  // namespace assetgen
