// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include "bank/error.h"

namespace kletochka {

// A picture file that cannot be opened or is no valid bitmap.
class BitmapError : public Error {
  public:
    using Error::Error;
};

// Loads a bitmap file for a board cell. Throws BitmapError with
// "Cannot open file "<full path>". <reason>" when the file cannot be read and
// "Bitmap image is not valid" when it is no whole bitmap.
QImage LoadCellBitmap(const QString& file);

// The picture in a bitmap file's bytes, or BitmapError "Bitmap image is not valid".
QImage DecodeCellBitmap(const QByteArray& bytes);

}  // namespace kletochka
