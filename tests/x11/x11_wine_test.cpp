// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows build of the game under Wine, on an X server of its own at a
// projector's 1024 x 768: its window fills the screen, real clicks play a move,
// and STOP fades it out and ends it well. Runs when KLETOCHKA_WINDOWS_DIST names the Windows
// program folder (scripts/windows does); Wine's prefix is WINEPREFIX's.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>

#include "x_screen.h"
#include "x_session.h"

namespace kletochka::test {
namespace {

using namespace std::chrono_literals;

TEST(WindowsGameUnderWine, FillsTheScreenPlaysAMoveAndEndsWithStop) {
    const char* dist = std::getenv("KLETOCHKA_WINDOWS_DIST");
    if (dist == nullptr || *dist == '\0') {
        GTEST_SKIP() << "KLETOCHKA_WINDOWS_DIST does not name a Windows build";
    }
    XvfbServer server("1024x768x24");
    if (server.display().empty()) {
        GTEST_SKIP() << "no X server could be started for this test: " << server.failure();
    }
    GameOnX game(server.display(), {"wine", std::string(dist) + "/kletochka.exe"},
                 {"WINEDEBUG=-all", "WINEDLLOVERRIDES=mscoree,mshtml="}, dist);
    ASSERT_EQ(game.failure(), "");
    ASSERT_TRUE(game.xdotool({"version"})) << "xdotool is needed to click";
    // The whole screen is the game's: its corners are the window's.
    ASSERT_EQ(game.origin(), (std::pair<int, int>{0, 0}));
    EXPECT_FALSE(game.grab({1023, 767, 1, 1}).empty()) << "the window does not reach the corner";

    const Pixels title = game.grab(kTitle);
    ASSERT_TRUE(game.click(8 + 37, 96 + 36)) << "could not click round 1";
    ASSERT_TRUE(Eventually([&] { return game.grab(kTitle) != title; })) << "round 1 did not start";
    const Pixels noTurn = game.grab(kTurnBand);
    ASSERT_TRUE(game.click(8 + 36, 232 + 36));
    ASSERT_TRUE(Eventually([&] { return game.grab(kTurnBand) != noTurn; }))
        << "the crosses' picture chose no side";
    const Pixels freeCell = game.grab(Cell(1));
    const Pixels noQuestion = game.grab(kQuestion);
    ASSERT_TRUE(game.click(Cell(1).x + 56, Cell(1).y + 56));
    ASSERT_TRUE(Eventually([&] {
        return game.grab(kQuestion) != noQuestion && Drawn(game.grab(kCrossAnswers[0]));
    })) << "cell 1 showed no question";
    const Pixels answer = game.grab(kCrossAnswers[0]);
    ASSERT_TRUE(game.click(kCrossAnswers[0].x + 40, kCrossAnswers[0].y + 18));
    ASSERT_TRUE(Eventually([&] { return game.grab(kCrossAnswers[0]) != answer; }))
        << "answer A was not chosen";
    ASSERT_TRUE(game.click(8 + 500, 600 + 36)) << "could not click Confirm";
    // Right or wrong, a mark now stands where the letter was.
    EXPECT_TRUE(Eventually([&] {
        const Pixels now = game.grab(Cell(1));
        return Drawn(now) && now != freeCell;
    })) << "Confirm drew no mark";

    game.watchFade();
    ASSERT_TRUE(game.click(952 + 28, 680 + 28)) << "could not click STOP";
    // Wine gives each step of the window's alpha to the X server as the property the
    // Linux build sets; some steps may come too close together to be seen apart.
    const GameOnX::Fade fade = game.fadeUntilGone(60s);
    EXPECT_TRUE(fade.gone) << "the window was still there after 60 s";
    EXPECT_GE(fade.opacities.size(), 5u) << "the fade did not reach the X server";
    EXPECT_TRUE(std::is_sorted(fade.opacities.rbegin(), fade.opacities.rend()))
        << "the window did not fade out";
    EXPECT_EQ(fade.opacities.empty() ? 0 : fade.opacities.back(), XOpacity(5));
    EXPECT_EQ(game.process().WaitExit(60s), std::optional<int>(0))
        << "the game did not end with status 0";
}

}  // namespace
}  // namespace kletochka::test
