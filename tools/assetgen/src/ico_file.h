// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace assetgen {

// Alpha below this is masked out of the icon; the rest is drawn opaque.
inline constexpr int kIcoAlphaCut = 128;

// One-image ICO: 24-bit colour plus a 1-bit transparency mask taken from the image's alpha.
QByteArray icoFile24(const QImage& image);
void writeIco24(const QImage& image, const QString& path);

}  // namespace assetgen
