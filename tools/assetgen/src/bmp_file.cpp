// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bmp_file.h"

#include "byte_writer.h"

namespace assetgen {

namespace {
constexpr int kFileHeaderBytes = 14;
constexpr int kInfoHeaderBytes = 40;
constexpr int kPixelsPerMetre = 3780;  // 96 dpi
}  // namespace

int dibRowBytes(int width, int bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}

QByteArray dib24(const QImage& image, int declaredHeight, int extraImageBytes) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int rowBytes = dibRowBytes(rgb.width(), 24);
    QByteArray out;
    putU32(out, kInfoHeaderBytes);
    putU32(out, static_cast<std::uint32_t>(rgb.width()));
    putU32(out, static_cast<std::uint32_t>(declaredHeight));
    putU16(out, 1);   // planes
    putU16(out, 24);  // bits per pixel
    putU32(out, 0);   // no compression
    putU32(out, static_cast<std::uint32_t>(rowBytes * rgb.height() + extraImageBytes));
    putU32(out, kPixelsPerMetre);
    putU32(out, kPixelsPerMetre);
    putU32(out, 0);  // no palette
    putU32(out, 0);
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            out.append(static_cast<char>(qBlue(line[x])));
            out.append(static_cast<char>(qGreen(line[x])));
            out.append(static_cast<char>(qRed(line[x])));
        }
        out.append(QByteArray(rowBytes - rgb.width() * 3, '\0'));
    }
    return out;
}

QByteArray bmpFile24(const QImage& image) {
    const QByteArray body = dib24(image, image.height(), 0);
    QByteArray out("BM");
    putU32(out, static_cast<std::uint32_t>(kFileHeaderBytes + body.size()));
    putU32(out, 0);  // reserved
    putU32(out, kFileHeaderBytes + kInfoHeaderBytes);
    out.append(body);
    return out;
}

void writeBmp24(const QImage& image, const QString& path) {
    writeBytes(bmpFile24(image), path);
}

}  // namespace assetgen
