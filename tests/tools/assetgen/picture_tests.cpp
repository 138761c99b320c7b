// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "backdrop.h"
#include "case_name.h"
#include "ico_file.h"
#include "pictures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <ostream>

namespace assetgen {
namespace {

QRect figureBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != kPureWhite) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

bool hasColourNear(const QImage& image, QRgb colour, int tolerance) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (std::abs(qRed(p) - qRed(colour)) <= tolerance &&
                std::abs(qGreen(p) - qGreen(colour)) <= tolerance &&
                std::abs(qBlue(p) - qBlue(colour)) <= tolerance) {
                return true;
            }
        }
    }
    return false;
}

struct PictureCase {
    const char* name;
    std::function<QImage()> draw;
    QSize size;
    QRect figure;  // the empty rectangle means "anywhere, leaving the bottom-left corner free"
    std::vector<QRgb> colours;
};

void PrintTo(const PictureCase& c, std::ostream* os) {
    *os << c.name;
}

class PictureTest : public testing::TestWithParam<PictureCase> {};

TEST_P(PictureTest, HasItsSizeAndKeyColours) {
    const PictureCase& c = GetParam();
    const QImage image = c.draw();
    EXPECT_EQ(image.size(), c.size);
    for (const QRgb colour : c.colours) {
        EXPECT_TRUE(hasColourNear(image, colour, 12))
            << "missing colour " << qRed(colour) << "," << qGreen(colour) << "," << qBlue(colour);
    }
}

TEST_P(PictureTest, FigureStaysInsideItsRectangle) {
    const PictureCase& c = GetParam();
    const QRect bounds = figureBounds(c.draw());
    if (c.figure.isEmpty()) {
        EXPECT_GT(bounds.width(), c.size.width() / 2);
        return;
    }
    // Antialiasing may leave one column or row of the edge to the background.
    EXPECT_NEAR(bounds.left(), c.figure.left(), 1);
    EXPECT_NEAR(bounds.top(), c.figure.top(), 1);
    EXPECT_NEAR(bounds.right(), c.figure.right(), 1);
    EXPECT_NEAR(bounds.bottom(), c.figure.bottom(), 1);
    EXPECT_TRUE(c.figure.contains(bounds))
        << "figure overruns its rectangle: columns " << bounds.left() << "-" << bounds.right()
        << ", rows " << bounds.top() << "-" << bounds.bottom();
}

TEST_P(PictureTest, OnlyTheBackgroundIsTransparent) {
    const QImage image = GetParam().draw();
    EXPECT_EQ(image.pixel(0, image.height() - 1), kPureWhite)
        << "bottom-left pixel sets the transparent colour";
    const std::vector<bool> outside = edgeReachable(image, [](QRgb p) { return p == kPureWhite; });
    int enclosedWhite = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            enclosedWhite += image.pixel(x, y) == kPureWhite &&
                             !outside[static_cast<std::size_t>(y * image.width() + x)];
        }
    }
    EXPECT_EQ(enclosedWhite, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, PictureTest,
    testing::Values(
        PictureCase{"Crosses",
                    crossesGlyph,
                    {58, 57},
                    QRect(QPoint(7, 3), QPoint(57, 50)),
                    {qRgb(14, 25, 172), qRgb(198, 198, 198)}},
        PictureCase{"Noughts",
                    noughtsGlyph,
                    {55, 59},
                    QRect(QPoint(2, 4), QPoint(49, 52)),
                    {qRgb(189, 18, 52), qRgb(189, 189, 189), qRgb(238, 84, 40)}},
        PictureCase{"Stop",
                    stopGlyph,
                    {53, 51},
                    QRect(QPoint(2, 2), QPoint(49, 49)),
                    {qRgb(105, 30, 34), qRgb(238, 1, 3), qRgb(255, 214, 220), qRgb(250, 250, 250)}},
        PictureCase{"Folder",
                    folderGlyph,
                    {51, 54},
                    QRect(QPoint(0, 4), QPoint(49, 52)),
                    {qRgb(254, 220, 24), qRgb(203, 173, 27), qRgb(255, 250, 205)}},
        PictureCase{"CrossMark", crossCellMark, {100, 100}, QRect(), {qRgb(14, 25, 172)}},
        PictureCase{"NoughtMark", noughtCellMark, {100, 100}, QRect(), {qRgb(189, 18, 52)}},
        PictureCase{"EmptyMark", emptyCellMark, {40, 40}, QRect(), {}}),
    caseName<PictureCase>);

TEST(CellMarks, FitBesideTheLetterInACell) {
    constexpr int cell = 113;
    constexpr int letterAndGap = 4 + 30;  // gap plus a bold 40-pixel capital
    EXPECT_LE(emptyCellMark().width() + letterAndGap, cell - 8);
    EXPECT_LE(crossCellMark().width(), cell - 8);
    EXPECT_LE(noughtCellMark().height(), cell - 8);
}

int opaqueCount(const QImage& icon) {
    int count = 0;
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            count += qAlpha(icon.pixel(x, y)) >= kIcoAlphaCut;
        }
    }
    return count;
}

TEST(StarIcon, CoversAboutHalfTheSquareInGoldOutlineAndShadow) {
    const QImage icon = starIcon(32).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(icon.size(), QSize(32, 32));
    const int opaque = opaqueCount(icon);
    EXPECT_GE(opaque, 1024 - 600);
    EXPECT_LE(opaque, 1024 - 530);
    for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)}) {
        EXPECT_LT(qAlpha(icon.pixel(corner)), kIcoAlphaCut);
    }
    EXPECT_GE(qAlpha(icon.pixel(16, 16)), 255) << "solid at the centre";
    const QImage flat = icon.convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(hasColourNear(flat, qRgb(255, 205, 2), 12));
    EXPECT_TRUE(hasColourNear(flat, qRgb(255, 253, 148), 12));
    EXPECT_TRUE(hasColourNear(flat, qRgb(155, 106, 8), 12));
    EXPECT_TRUE(hasColourNear(flat, qRgb(119, 119, 119), 4));
}

TEST(StarIcon, LargerSidesDrawTheSameStar) {
    const double small = opaqueCount(starIcon(32)) / 1024.0;
    for (const int side : {48, 64, 128, 256}) {
        const QImage icon = starIcon(side);
        ASSERT_EQ(icon.size(), QSize(side, side));
        EXPECT_NEAR(opaqueCount(icon) / double(side * side), small, 0.03) << side;
    }
}

}  // namespace
}  // namespace assetgen
