// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real game on screens of a classroom's sizes, under Xvfb: every control on
// the screen where the scaled layout puts it, and real clicks on them playing a move.
#include <gtest/gtest.h>

#include <string>

#include "native_game.h"
#include "x_screen.h"
#include "x_session.h"

namespace kletochka::test {
namespace {

struct Screen {
    int width, height;
    double scale;  // as the host should see it
};

std::string ScreenName(const testing::TestParamInfo<Screen>& info) {
    return std::to_string(info.param.width) + "x" + std::to_string(info.param.height);
}

// Every control outside the board, and the board, in the layout's pixels.
constexpr Area kControls[] = {{8, 96, 75, 73},      {152, 96, 75, 73},  {312, 96, 75, 73},
                              {472, 96, 75, 73},    {624, 96, 75, 73},  {776, 96, 75, 73},
                              {936, 96, 75, 73},    {8, 232, 73, 73},   {936, 232, 73, 73},
                              {328, 224, 369, 369}, {8, 600, 1001, 73}, {8, 680, 65, 65},
                              {952, 680, 57, 57}};

class ScaledOnX : public testing::TestWithParam<Screen> {};

TEST_P(ScaledOnX, EveryControlIsOnTheScreenAndRealClicksPlayAMove) {
    const Screen screen = GetParam();
    XvfbServer server(std::to_string(screen.width) + "x" + std::to_string(screen.height) + "x24");
    if (server.display().empty()) {
        GTEST_SKIP() << "no X server could be started for this test: " << server.failure();
    }
    NativeGameOnX game(server.display());
    ASSERT_EQ(game.failure(), "");
    if (!game.xdotool({"version"})) {
        GTEST_SKIP() << "xdotool is not installed, so nothing can click";
    }
    ASSERT_EQ(game.origin(), (std::pair<int, int>{0, 0}));
    ASSERT_EQ(game.size(), (std::pair<int, int>{screen.width, screen.height}));
    EXPECT_NEAR(game.layout().scale, screen.scale, 0.001);

    // Each control lies whole on the screen and shows something there.
    for (const Area& control : kControls) {
        const Area at = game.layout().map(control);
        EXPECT_TRUE(at.x >= 0 && at.y >= 0 && at.x + at.width <= screen.width &&
                    at.y + at.height <= screen.height)
            << "the control at " << control.x << ", " << control.y << " is off the screen";
        EXPECT_TRUE(Drawn(game.grab(control)))
            << "nothing drawn where the control at " << control.x << ", " << control.y << " is";
    }

    const Pixels title = game.grab(kTitle);
    ASSERT_TRUE(game.click(8 + 37, 96 + 36));
    ASSERT_TRUE(Eventually([&] { return game.grab(kTitle) != title; })) << "round 1 did not start";
    const Pixels noTurn = game.grab(kTurnBand);
    ASSERT_TRUE(game.click(8 + 36, 232 + 36));
    ASSERT_TRUE(Eventually([&] { return game.grab(kTurnBand) != noTurn; }))
        << "the crosses' picture chose no side";
    const Pixels freeCell = game.grab(Cell(9));
    const Pixels noQuestion = game.grab(kQuestion);
    ASSERT_TRUE(game.click(Cell(9).x + 56, Cell(9).y + 56));
    ASSERT_TRUE(Eventually([&] {
        return game.grab(kQuestion) != noQuestion && Drawn(game.grab(kCrossAnswers[2]));
    })) << "cell 9 showed no question";
    const Pixels answer = game.grab(kCrossAnswers[2]);
    ASSERT_TRUE(game.click(kCrossAnswers[2].x + 40, kCrossAnswers[2].y + 18));
    ASSERT_TRUE(Eventually([&] { return game.grab(kCrossAnswers[2]) != answer; }))
        << "answer C was not chosen";
    ASSERT_TRUE(game.click(8 + 500, 600 + 36));
    // Right or wrong, a mark now stands where the letter was.
    EXPECT_TRUE(Eventually([&] {
        const Pixels now = game.grab(Cell(9));
        return Drawn(now) && now != freeCell;
    })) << "Confirm drew no mark";
}

// A projector's 1024 x 768 and the laptops' 1280 x 800 and 1366 x 768 gain too
// little to scale; full HD and 4K fill their height.
INSTANTIATE_TEST_SUITE_P(Screens, ScaledOnX,
                         testing::Values(Screen{1024, 768, 1}, Screen{1280, 800, 1},
                                         Screen{1366, 768, 1}, Screen{1920, 1080, 1080.0 / 745},
                                         Screen{3840, 2160, 2160.0 / 745}),
                         ScreenName);

}  // namespace
}  // namespace kletochka::test
