// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "backdrop.h"

#include "canvas.h"

#include <algorithm>

namespace assetgen {

namespace {
// Channels at or above this, on the outside of a figure, are antialiasing haze, not figure.
constexpr int kFringeFloor = 246;

bool isHaze(QRgb p) {
    return std::min({qRed(p), qGreen(p), qBlue(p)}) >= kFringeFloor;
}
}  // namespace

std::vector<bool> edgeReachable(const QImage& image, const std::function<bool(QRgb)>& passable) {
    const int w = image.width();
    const int h = image.height();
    std::vector<bool> seen(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), false);
    std::vector<QPoint> todo;
    auto visit = [&](int x, int y) {
        const auto i =
            static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x);
        if (x < 0 || y < 0 || x >= w || y >= h || seen[i] || !passable(image.pixel(x, y))) {
            return;
        }
        seen[i] = true;
        todo.emplace_back(x, y);
    };
    for (int x = 0; x < w; ++x) {
        visit(x, 0);
        visit(x, h - 1);
    }
    for (int y = 0; y < h; ++y) {
        visit(0, y);
        visit(w - 1, y);
    }
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        visit(p.x() + 1, p.y());
        visit(p.x() - 1, p.y());
        visit(p.x(), p.y() + 1);
        visit(p.x(), p.y() - 1);
    }
    return seen;
}

QImage settleOnWhite(const QImage& canvas) {
    QImage out = canvas.convertToFormat(QImage::Format_RGB32);
    const std::vector<bool> outside = edgeReachable(out, isHaze);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            const auto i = static_cast<std::size_t>(y) * static_cast<std::size_t>(out.width()) +
                           static_cast<std::size_t>(x);
            if (outside[i]) {
                out.setPixel(x, y, kPureWhite);
            } else if (out.pixel(x, y) == kPureWhite) {
                out.setPixel(x, y, qRgb(kInnerWhite, kInnerWhite, kInnerWhite));
            }
        }
    }
    return out;
}

QImage paintOnWhite(QSize size, const QRectF& figure, const QSizeF& design,
                    const std::function<void(QPainter&)>& paint) {
    QImage canvas = whiteCanvas(size);
    QPainter painter;
    beginSmooth(painter, canvas);
    placeDesign(painter, figure, design);
    paint(painter);
    painter.end();
    return settleOnWhite(canvas);
}

}  // namespace assetgen
