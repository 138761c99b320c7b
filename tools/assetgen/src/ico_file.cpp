// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ico_file.h"

#include "bmp_file.h"
#include "byte_writer.h"

namespace assetgen {

namespace {
constexpr int kDirBytes = 6;
constexpr int kEntryBytes = 16;

// Masked pixels are black in the colour part so that every reader shows them the same.
QImage maskedColour(const QImage& argb) {
    QImage colour(argb.size(), QImage::Format_RGB32);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb p = argb.pixel(x, y);
            colour.setPixel(
                x, y,
                qAlpha(p) < kIcoAlphaCut ? qRgb(0, 0, 0) : qRgb(qRed(p), qGreen(p), qBlue(p)));
        }
    }
    return colour;
}

QByteArray andMask(const QImage& argb) {
    const int rowBytes = dibRowBytes(argb.width(), 1);
    QByteArray out;
    for (int y = argb.height() - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(argb.pixel(x, y)) < kIcoAlphaCut) {
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        out.append(row);
    }
    return out;
}
}  // namespace

QByteArray icoFile24(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const QByteArray mask = andMask(argb);
    const QByteArray body =
        dib24(maskedColour(argb), argb.height() * 2, static_cast<int>(mask.size())) + mask;

    QByteArray out;
    putU16(out, 0);  // reserved
    putU16(out, 1);  // icon
    putU16(out, 1);  // one image
    out.append(static_cast<char>(argb.width() >= 256 ? 0 : argb.width()));
    out.append(static_cast<char>(argb.height() >= 256 ? 0 : argb.height()));
    out.append('\0');  // no palette
    out.append('\0');
    putU16(out, 1);   // planes
    putU16(out, 24);  // bits per pixel
    putU32(out, static_cast<std::uint32_t>(body.size()));
    putU32(out, kDirBytes + kEntryBytes);
    out.append(body);
    return out;
}

void writeIco24(const QImage& image, const QString& path) {
    writeBytes(icoFile24(image), path);
}

}  // namespace assetgen
