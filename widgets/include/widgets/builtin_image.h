// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

class QIODevice;

namespace kletochka {

// Reads a picture in a format Qt decodes itself ("bmp", "png") and in no
// other. Qt would otherwise ask every image plugin first, loading them all
// (and libjpeg) at the first picture. A null image when it cannot be read.
QImage ReadBuiltInImage(QIODevice* device, const char* format);
QImage ReadBuiltInImage(const QString& path, const char* format);

}  // namespace kletochka
