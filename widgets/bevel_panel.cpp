// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/bevel_panel.h"

#include <qdrawutil.h>
#include <QPainter>

namespace kletochka {

BevelPanel::BevelPanel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, true);
}

void BevelPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    qDrawShadePanel(&painter, rect(), palette(), false, 1, &palette().brush(QPalette::Button));
}

}  // namespace kletochka
