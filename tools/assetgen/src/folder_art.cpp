// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "backdrop.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QPolygonF>

namespace assetgen {

namespace {
const QSizeF kDesign(50, 49);
const QColor kEdge(203, 173, 27);
const QColor kDeepEdge(168, 132, 20);

void paintBack(QPainter& painter) {
    const QPolygonF back{{9.5, 44},   {9.5, 5.5},  {11.5, 1.0}, {22.5, 1.0},
                         {24.5, 5.5}, {46.5, 5.5}, {46.5, 44}};
    QLinearGradient gold(QPointF(0, 1), QPointF(0, 44));
    gold.setColorAt(0.0, QColor(254, 226, 70));
    gold.setColorAt(1.0, QColor(234, 184, 16));
    painter.setPen(QPen(kDeepEdge, 0.9));
    painter.setBrush(gold);
    painter.drawPolygon(back);
}

void paintPaper(QPainter& painter) {
    const QRectF sheet(13.5, 8.5, 29, 26);
    painter.setPen(QPen(QColor(176, 170, 150), 0.8));
    painter.setBrush(QColor(250, 250, 244));
    painter.drawRect(sheet);
    painter.setPen(QPen(QColor(170, 186, 214), 0.8));
    for (double y = 12.5; y < 20; y += 3) {
        painter.drawLine(QPointF(16.5, y), QPointF(39.5, y));
    }
}

void paintFlap(QPainter& painter) {
    const QPolygonF flap{{0.5, 20.5}, {36.5, 20.5}, {49.5, 48.5}, {13.5, 48.5}};
    QLinearGradient yellow(QPointF(4, 18), QPointF(40, 50));
    yellow.setColorAt(0.0, QColor(255, 250, 200));
    yellow.setColorAt(0.3, QColor(255, 236, 104));
    yellow.setColorAt(0.65, QColor(254, 220, 24));
    yellow.setColorAt(1.0, QColor(244, 200, 14));
    painter.setPen(QPen(kEdge, 1.0));
    painter.setBrush(yellow);
    painter.drawPolygon(flap);

    // Gloss along the top of the flap and a soft sheen across it.
    painter.setPen(QPen(QColor(255, 253, 228), 1.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(2.6, 22.2), QPointF(35.0, 22.2));
    painter.setPen(QPen(QColor(255, 250, 210, 150), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(8.0, 27.0), QPointF(17.0, 45.5));

    painter.setPen(QPen(kDeepEdge, 1.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(13.5, 48.5), QPointF(49.5, 48.5));
}
}  // namespace

QImage folderGlyph() {
    return paintOnWhite(QSize(51, 54), QRectF(0, 4, 50, 49), kDesign, [](QPainter& painter) {
        paintBack(painter);
        paintPaper(painter);
        paintFlap(painter);
    });
}

}  // namespace assetgen
