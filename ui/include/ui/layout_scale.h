// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <vector>

class QWidget;

namespace kletochka {

// Below this the layout is shown at its own size: a larger one would gain too little.
inline constexpr qreal kMinLayoutScale = 1.1;

// The one factor that makes a layout of size `content` as large as `area` allows,
// the same across and down; 1 where it would be below kMinLayoutScale.
qreal LayoutScale(QSize area, QSize content);

// A layout rectangle at `scale` with the layout's top left at `origin`. The size is
// rounded up and never down, so that a text as wide as its label at the layout's
// size is whole at every scale, and one a pixel wider is still cut.
QRect ScaledRect(const QRect& layout, qreal scale, QPointF origin);

// Every component under a surface, noted at its layout's place, and put back there
// at a scale: places and sizes scaled, the layout's content centred in the surface.
// Labels and picture buttons paint through the scale; other controls get their
// font scaled. Bands keep their left edge at 0 and the width the window gives them.
class LayoutScaler {
  public:
    LayoutScaler(QWidget& surface, QSize content, std::vector<QWidget*> bands);

    qreal scale() const { return m_scale; }
    // Places every component at `scale` (1: exactly the layout) in the surface's size.
    void apply(qreal scale);

  private:
    struct Component {
        QWidget* widget;
        QRect layout;     // in the surface's layout pixels
        QPoint parentAt;  // the parent's top left in the surface's layout pixels
        bool nested;      // in a panel rather than on the surface
        bool band;
        QFont font;
    };

    QWidget& m_surface;
    QSize m_content;
    std::vector<Component> m_components;
    qreal m_scale = 1;
};

}  // namespace kletochka
