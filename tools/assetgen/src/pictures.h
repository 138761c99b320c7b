// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>

namespace assetgen {

// Every picture below except the star is RGB32 on pure white, and no pure white lies inside a
// figure.

// Blue X with rounded ends and a soft grey shadow to its lower right, filling the figure rectangle.
QImage crossPicture(QSize size, const QRectF& figure);
QImage crossesGlyph();   // 58 x 57 team picture
QImage crossCellMark();  // 100 x 100 board mark

// Crimson letter O as a solid body, its grey depth to the left.
QImage noughtPicture(QSize size, const QRectF& figure);
QImage noughtsGlyph();    // 55 x 59 team picture
QImage noughtCellMark();  // 100 x 100 board mark

QImage stopGlyph();      // 53 x 51 red octagon with STOP
QImage folderGlyph();    // 51 x 54 open yellow folder
QImage emptyCellMark();  // 40 x 40 quiet mark beside a cell's letter

// Golden five-pointed star on transparency, drawn for a square of the given side.
QImage starIcon(int side);

}  // namespace assetgen
