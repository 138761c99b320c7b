// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_opacity.h"

#include <QWidget>

namespace kletochka {

void ShowWindowOpacity(QWidget& window, int alpha) {
    // Windows applies a layered window's alpha as it is set: there is nothing to flush.
    window.setWindowOpacity(alpha / static_cast<double>(kOpaque));
}

}  // namespace kletochka
