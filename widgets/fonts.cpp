// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/fonts.h"

namespace kletochka {

QFont LayoutFont(const char* family, int pixelHeight, bool bold) {
    QFont font(QString::fromLatin1(family));
    // Where the face is missing, fontconfig's nearest sans serif stands in for it.
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

}  // namespace kletochka
