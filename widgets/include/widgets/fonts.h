// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace kletochka {

// A font of the window's layout: the face and a character height in layout pixels.
QFont LayoutFont(const char* family, int pixelHeight, bool bold);
inline QFont ArialFont(int pixelHeight, bool bold) {
    return LayoutFont("Arial", pixelHeight, bold);
}

}  // namespace kletochka
