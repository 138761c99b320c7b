// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "backdrop.h"
#include "canvas.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <numbers>

namespace assetgen {

namespace {
const QSizeF kDesign(48, 48);
const QPointF kCentre(24, 24);
constexpr double kRimWidth = 2.4;
constexpr double kStroke = 2.7;
constexpr double kLetterWidth = 8.4;
constexpr double kLetterHeight = 12;
constexpr double kLetterGap = 1.6;

// Regular octagon with flat sides facing the axes, given its inscribed radius.
QPolygonF octagon(double apothem) {
    const double radius = apothem / std::cos(std::numbers::pi / 8);
    return radialPolygon(kCentre, 8, std::numbers::pi / 8, radius, radius);
}

// Centre lines of the bold capitals in a letter box of kLetterWidth x kLetterHeight.
QPainterPath letterS() {
    const double half = kStroke / 2;
    const double rx = kLetterWidth / 2 - half;
    const double ry = (kLetterHeight - kStroke) / 4;
    const QRectF top(half, half, 2 * rx, 2 * ry);
    const QRectF bottom(half, half + 2 * ry, 2 * rx, 2 * ry);
    QPainterPath path;
    path.arcMoveTo(top, 25);
    path.arcTo(top, 25, 245);
    path.arcTo(bottom, 90, -245);
    return path;
}

QPainterPath letterT() {
    const double half = kStroke / 2;
    QPainterPath path;
    path.moveTo(0, half);
    path.lineTo(kLetterWidth, half);
    path.moveTo(kLetterWidth / 2, half);
    path.lineTo(kLetterWidth / 2, kLetterHeight);
    return path;
}

QPainterPath letterO() {
    const double half = kStroke / 2;
    QPainterPath path;
    path.addEllipse(QRectF(half, half, kLetterWidth - kStroke, kLetterHeight - kStroke));
    return path;
}

QPainterPath letterP() {
    const double half = kStroke / 2;
    const double bowl = kLetterHeight * 0.56;
    const double r = (bowl - kStroke) / 2;
    QPainterPath path;
    path.moveTo(half, kLetterHeight);
    path.lineTo(half, half);
    path.lineTo(kLetterWidth - half - r, half);
    path.arcTo(QRectF(kLetterWidth - half - 2 * r, half, 2 * r, 2 * r), 90, -180);
    path.lineTo(half, half + 2 * r);
    return path;
}

QPainterPath word() {
    const QPainterPath letters[] = {letterS(), letterT(), letterO(), letterP()};
    const double width = 4 * kLetterWidth + 3 * kLetterGap;
    QPainterPath all;
    double x = kCentre.x() - width / 2;
    for (const QPainterPath& letter : letters) {
        all.addPath(letter.translated(x, kCentre.y() - kLetterHeight / 2));
        x += kLetterWidth + kLetterGap;
    }
    QPainterPathStroker stroker;
    stroker.setWidth(kStroke);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    return stroker.createStroke(all).simplified();
}

void paintFace(QPainter& painter, const QPolygonF& face) {
    QLinearGradient red(QPointF(0, kRimWidth), QPointF(0, 48 - kRimWidth));
    red.setColorAt(0.00, QColor(255, 214, 220));
    red.setColorAt(0.16, QColor(252, 120, 128));
    red.setColorAt(0.34, QColor(246, 12, 14));
    red.setColorAt(0.60, QColor(238, 1, 3));
    red.setColorAt(1.00, QColor(226, 0, 2));
    painter.setBrush(red);
    painter.drawPolygon(face);

    // Faint light streaks across the lower face.
    QPainterPath clip;
    clip.addPolygon(face);
    painter.setClipPath(clip);
    painter.setPen(QPen(QColor(255, 150, 150, 48), 0.8));
    for (const double y : {8.5, 33.5, 37.5, 41.0}) {
        painter.drawLine(QPointF(0, y), QPointF(48, y));
    }
    painter.setClipping(false);
    painter.setPen(Qt::NoPen);
}
}  // namespace

QImage stopGlyph() {
    return paintOnWhite(QSize(53, 51), QRectF(2, 2, 48, 48), kDesign, [](QPainter& painter) {
        painter.setBrush(QColor(105, 30, 34));
        painter.drawPolygon(octagon(24));
        paintFace(painter, octagon(24 - kRimWidth));

        // Letters a shade off white: they are enclosed, so pure white would not count as
        // background.
        const QPainterPath letters = word();
        painter.setBrush(QColor(120, 0, 8, 150));
        painter.drawPath(letters.translated(0.6, 0.7));
        painter.setBrush(QColor(250, 250, 250));
        painter.drawPath(letters);
    });
}

}  // namespace assetgen
