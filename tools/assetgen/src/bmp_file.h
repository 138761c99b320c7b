// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace assetgen {

// Bytes of one 24-bit row, padded to a multiple of four.
int dibRowBytes(int width, int bitsPerPixel);

// Info header plus bottom-up BGR rows. Icons declare twice the height to cover the mask that
// follows.
QByteArray dib24(const QImage& image, int declaredHeight, int extraImageBytes);

// A complete uncompressed 24-bit BMP file with no palette.
QByteArray bmpFile24(const QImage& image);
void writeBmp24(const QImage& image, const QString& path);

}  // namespace assetgen
