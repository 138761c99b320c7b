// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>

namespace assetgen {

// Opaque white, ready for antialiased painting.
QImage whiteCanvas(QSize size);

// Fully transparent layer for parts that are softened before they are laid down.
QImage clearLayer(QSize size);

// Blurs a premultiplied layer with a 3x3 box, once per pass.
void soften(QImage& layer, int passes);

// A painter on the image with antialiasing on.
void beginSmooth(QPainter& painter, QImage& image);

// Corners around a centre, alternating between the two radii, starting at the given angle
// (radians).
QPolygonF radialPolygon(const QPointF& centre, int corners, double firstAngle, double evenRadius,
                        double oddRadius);

// Maps a drawing made in design units of the given size onto the figure's pixel rectangle.
void placeDesign(QPainter& painter, const QRectF& figure, const QSizeF& design);

}  // namespace assetgen
