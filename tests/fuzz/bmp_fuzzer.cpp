// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a cell's bitmap file: the header check, Qt's decoder behind it,
// and the mask the picture button makes; only whole bitmaps may come out.
#include <QImage>
#include <QtGlobal>

#include <cstdint>
#include <cstdlib>

#include "widgets/bmp_check.h"
#include "widgets/cell_bitmap.h"

// Qt's warnings about odd pixels would drown the fuzzer's own output.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const bool whole = kletochka::IsWholeBitmap({data, size});
    QImage image;
    try {
        image = kletochka::DecodeCellBitmap(
            QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    } catch (const kletochka::BitmapError&) {
        return 0;
    }
    if (!whole || image.isNull()) {
        std::abort();
    }
    // What the cell's button does with a loaded picture.
    const QColor transparent = image.pixelColor(0, image.height() - 1);
    static_cast<void>(image.createMaskFromColor(transparent.rgb(), Qt::MaskInColor));
    return 0;
}
