// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <functional>
#include <vector>

namespace assetgen {

inline constexpr QRgb kPureWhite = 0xffffffff;

// Lightest value any channel-triple inside a figure may take: one step below pure white.
inline constexpr int kInnerWhite = 254;

// Pixels reachable from the border through pixels that pass the test, row-major.
std::vector<bool> edgeReachable(const QImage& image, const std::function<bool(QRgb)>& passable);

// Turns the near-white antialiasing fringe around a figure into pure white background
// and lifts every pure white pixel enclosed by the figure to one step below white,
// so that only the background matches a white transparent colour. Returns RGB32.
QImage settleOnWhite(const QImage& canvas);

// Paints a figure designed in the given units into its rectangle on white, then settles the
// background.
QImage paintOnWhite(QSize size, const QRectF& figure, const QSizeF& design,
                    const std::function<void(QPainter&)>& paint);

}  // namespace assetgen
