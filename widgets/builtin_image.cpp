// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/builtin_image.h"

#include <QImageReader>

namespace kletochka {

namespace {
QImage Read(QImageReader& reader) {
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}
}  // namespace

QImage ReadBuiltInImage(QIODevice* device, const char* format) {
    QImageReader reader(device, format);
    return Read(reader);
}

QImage ReadBuiltInImage(const QString& path, const char* format) {
    QImageReader reader(path, format);
    return Read(reader);
}

}  // namespace kletochka
