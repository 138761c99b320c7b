// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "backdrop.h"
#include "case_name.h"

#include <gtest/gtest.h>

#include <ostream>
namespace assetgen {
namespace {

// A 7x7 white picture with a dark 5x5 frame at (1,1) whose inside pixel (3,3) is set by each case.
QImage framed(QRgb inside, QRgb outside) {
    QImage image(7, 7, QImage::Format_RGB32);
    image.fill(outside);
    for (int i = 1; i <= 5; ++i) {
        for (const auto& [x, y] :
             {std::pair{i, 1}, std::pair{i, 5}, std::pair{1, i}, std::pair{5, i}}) {
            image.setPixel(x, y, qRgb(20, 30, 160));
        }
    }
    for (int y = 2; y <= 4; ++y) {
        for (int x = 2; x <= 4; ++x) {
            image.setPixel(x, y, qRgb(200, 10, 40));
        }
    }
    image.setPixel(3, 3, inside);
    return image;
}

struct SettleCase {
    const char* name;
    QRgb inside;
    QRgb outside;
    QRgb insideAfter;
    QRgb outsideAfter;
};

void PrintTo(const SettleCase& c, std::ostream* os) {
    *os << c.name;
}

class SettleTest : public testing::TestWithParam<SettleCase> {};

TEST_P(SettleTest, OnlyTheBackgroundEndsUpPureWhite) {
    const SettleCase& c = GetParam();
    const QImage out = settleOnWhite(framed(c.inside, c.outside));
    EXPECT_EQ(out.pixel(3, 3), c.insideAfter);
    EXPECT_EQ(out.pixel(0, 6), c.outsideAfter);
    EXPECT_EQ(out.pixel(1, 1), qRgb(20, 30, 160)) << "the figure itself never changes";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettleTest,
    testing::Values(SettleCase{"EnclosedWhiteIsLifted", kPureWhite, kPureWhite, qRgb(254, 254, 254),
                               kPureWhite},
                    SettleCase{"EnclosedHazeStays", qRgb(250, 251, 252), kPureWhite,
                               qRgb(250, 251, 252), kPureWhite},
                    SettleCase{"OuterHazeBecomesBackground", qRgb(90, 90, 90), qRgb(248, 250, 252),
                               qRgb(90, 90, 90), kPureWhite},
                    SettleCase{"OuterGreyIsKept", qRgb(90, 90, 90), qRgb(240, 240, 240),
                               qRgb(90, 90, 90), qRgb(240, 240, 240)}),
    caseName<SettleCase>);

TEST(EdgeReachable, FollowsOnlyFourNeighbours) {
    // The centre touches open white only at its corners: it counts as enclosed.
    QImage image(5, 5, QImage::Format_RGB32);
    image.fill(kPureWhite);
    for (const QPoint p : {QPoint(2, 1), QPoint(1, 2), QPoint(3, 2), QPoint(2, 3)}) {
        image.setPixel(p, qRgb(0, 0, 0));
    }
    const std::vector<bool> seen = edgeReachable(image, [](QRgb p) { return p == kPureWhite; });
    EXPECT_TRUE(seen[1 * 5 + 1]);   // (1,1) joins the border through (1,0)
    EXPECT_FALSE(seen[1 * 5 + 2]);  // blockers are never entered
    EXPECT_FALSE(seen[2 * 5 + 2]);  // the centre stays enclosed
}

}  // namespace
}  // namespace assetgen
