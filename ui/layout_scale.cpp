// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The layout enlarged to fill a projector's screen.
#include "ui/layout_scale.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

#include "widgets/label.h"
#include "widgets/picture_button.h"

namespace kletochka {

namespace {
// Products such as 200 * 1.5 land a hair above the whole number they are.
constexpr qreal kSlack = 1e-6;
}  // namespace

qreal LayoutScale(QSize area, QSize content) {
    const qreal scale =
        std::min(qreal(area.width()) / content.width(), qreal(area.height()) / content.height());
    return scale < kMinLayoutScale ? 1 : scale;
}

QRect ScaledRect(const QRect& layout, qreal scale, QPointF origin) {
    return {static_cast<int>(std::lround(origin.x() + layout.x() * scale)),
            static_cast<int>(std::lround(origin.y() + layout.y() * scale)),
            static_cast<int>(std::ceil(layout.width() * scale - kSlack)),
            static_cast<int>(std::ceil(layout.height() * scale - kSlack))};
}

LayoutScaler::LayoutScaler(QWidget& surface, QSize content, std::vector<QWidget*> bands)
    : m_surface(surface), m_content(content) {
    for (QWidget* widget : surface.findChildren<QWidget*>()) {
        QWidget* parent = widget->parentWidget();
        const QPoint parentAt = parent == &surface ? QPoint() : parent->mapTo(&surface, QPoint());
        const bool band = std::find(bands.begin(), bands.end(), widget) != bands.end();
        m_components.push_back({widget, widget->geometry().translated(parentAt), parentAt,
                                parent != &surface, band, widget->font()});
    }
}

void LayoutScaler::apply(qreal scale) {
    if (scale == 1 && m_scale == 1) {
        return;  // never moved: everything stands where the layout put it
    }
    m_scale = scale;
    // Centred when enlarged; at the layout's size the content keeps the top left.
    const QPointF origin = scale == 1
                               ? QPointF()
                               : QPointF((m_surface.width() - m_content.width() * scale) / 2,
                                         (m_surface.height() - m_content.height() * scale) / 2);
    for (const Component& c : m_components) {
        QRect place = ScaledRect(c.layout, scale, origin);
        if (c.nested) {
            place.translate(-ScaledRect({c.parentAt, QSize(0, 0)}, scale, origin).topLeft());
        } else {
            place &= m_surface.rect();  // a size rounded up may pass the screen's edge by a pixel
        }
        if (c.band) {
            place = {0, place.y(), c.widget->width(), place.height()};
        }
        c.widget->setGeometry(place);
        if (auto* label = qobject_cast<Label*>(c.widget)) {
            label->setScale(scale);
        } else if (auto* button = qobject_cast<PictureButton*>(c.widget)) {
            button->setScale(scale);
        } else if (c.widget->testAttribute(Qt::WA_SetFont)) {
            QFont font = c.font;
            font.setPixelSize(static_cast<int>(std::lround(c.font.pixelSize() * scale)));
            c.widget->setFont(font);
        }
    }
}

}  // namespace kletochka
