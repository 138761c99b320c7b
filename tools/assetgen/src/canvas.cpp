// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas.h"

#include <array>
#include <cmath>
#include <numbers>

namespace assetgen {

QImage whiteCanvas(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

QImage clearLayer(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void soften(QImage& layer, int passes) {
    const int w = layer.width();
    const int h = layer.height();
    for (int pass = 0; pass < passes; ++pass) {
        const QImage src = layer.copy();
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                std::array<int, 4> sum{};
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int sx = x + dx;
                        const int sy = y + dy;
                        if (sx < 0 || sy < 0 || sx >= w || sy >= h) {
                            continue;  // outside counts as transparent
                        }
                        const QRgb p = src.pixel(sx, sy);
                        sum[0] += qRed(p);
                        sum[1] += qGreen(p);
                        sum[2] += qBlue(p);
                        sum[3] += qAlpha(p);
                    }
                }
                layer.setPixel(
                    x, y,
                    qRgba((sum[0] + 4) / 9, (sum[1] + 4) / 9, (sum[2] + 4) / 9, (sum[3] + 4) / 9));
            }
        }
    }
}

void beginSmooth(QPainter& painter, QImage& image) {
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
}

QPolygonF radialPolygon(const QPointF& centre, int corners, double firstAngle, double evenRadius,
                        double oddRadius) {
    QPolygonF points;
    for (int k = 0; k < corners; ++k) {
        const double a = firstAngle + k * 2 * std::numbers::pi / corners;
        const double r = k % 2 == 0 ? evenRadius : oddRadius;
        points << centre + QPointF(r * std::cos(a), r * std::sin(a));
    }
    return points;
}

void placeDesign(QPainter& painter, const QRectF& figure, const QSizeF& design) {
    painter.translate(figure.topLeft());
    painter.scale(figure.width() / design.width(), figure.height() / design.height());
}

}  // namespace assetgen
