// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_opacity.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>

namespace kletochka {

void ShowWindowOpacity(QWidget& window, int alpha) {
    window.setWindowOpacity(alpha / static_cast<double>(kOpaque));
    // Qt queues the property change on its X connection and flushes that only
    // when it next paints or reads an event; during the fade it does neither.
    // A flush sends it without waiting for the server's reply, as a sync would.
    // Off screen there is an X11 interface but no connection.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (xcb_connection_t* connection = x11 ? x11->connection() : nullptr) {
        xcb_flush(connection);
    }
}

}  // namespace kletochka
