// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "backdrop.h"
#include "pictures.h"

namespace assetgen {

QImage emptyCellMark() {
    // A soft tile with a dot: quiet enough to sit beside the cell's letter.
    return paintOnWhite(QSize(40, 40), QRectF(0, 0, 40, 40), QSizeF(40, 40), [](QPainter& painter) {
        painter.setPen(QPen(QColor(132, 146, 170), 2.6));
        painter.setBrush(QColor(240, 244, 250));
        painter.drawRoundedRect(QRectF(5.5, 5.5, 29, 29), 8, 8);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(170, 182, 204));
        painter.drawEllipse(QPointF(20, 20), 3, 3);
    });
}

}  // namespace assetgen
