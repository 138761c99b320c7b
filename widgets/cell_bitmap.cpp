// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/cell_bitmap.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <span>

#include "widgets/bmp_check.h"
#include "widgets/builtin_image.h"

namespace kletochka {

namespace {
// Nothing a cell shows comes near this; anything larger is not a cell picture.
constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;
}  // namespace

QImage LoadCellBitmap(const QString& file) {
    // Named as the system names it: "C:\Уроки\empty.bmp" on Windows.
    const QString fullPath = QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath());
    QFile in(file);
    errno = 0;
    if (!in.open(QIODevice::ReadOnly)) {
        // Qt refuses a folder itself, without errno; say so as the system would.
        const int err = errno != 0 ? errno : QFileInfo(file).isDir() ? EISDIR : 0;
        QString reason = err != 0 ? QString::fromLocal8Bit(std::strerror(err)) : in.errorString();
        // Windows ends its words with a full stop, the C library does not; the box adds one.
        if (reason.endsWith(QLatin1Char('.'))) {
            reason.chop(1);
        }
        throw BitmapError(
            QStringLiteral("Cannot open file \"%1\". %2").arg(fullPath, reason).toStdString());
    }
    // In pieces: a small file costs little, and a file without end stops past the cap.
    QByteArray bytes;
    char piece[64 * 1024];
    qint64 got = 0;
    while (bytes.size() <= kMaxFileSize && (got = in.read(piece, sizeof piece)) > 0) {
        bytes.append(piece, static_cast<qsizetype>(got));
    }
    if (got < 0 || in.error() != QFileDevice::NoError) {
        throw BitmapError(QStringLiteral("Cannot open file \"%1\". %2")
                              .arg(fullPath, in.errorString())
                              .toStdString());
    }
    return DecodeCellBitmap(bytes);
}

QImage DecodeCellBitmap(const QByteArray& bytes) {
    const std::span<const std::uint8_t> view(
        reinterpret_cast<const std::uint8_t*>(bytes.constData()),
        static_cast<std::size_t>(bytes.size()));
    QImage image;
    if (bytes.size() <= kMaxFileSize && IsWholeBitmap(view)) {
        QBuffer buffer;
        buffer.setData(bytes);
        image = ReadBuiltInImage(&buffer, "bmp");
    }
    if (image.isNull()) {
        throw BitmapError("Bitmap image is not valid");
    }
    return image;
}

}  // namespace kletochka
