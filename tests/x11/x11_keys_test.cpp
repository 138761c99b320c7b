// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The host's keys as the X server delivers them to the real program, with the
// Russian layout active, under Xvfb. What the game does is read off the screen.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "native_game.h"
#include "x_screen.h"
#include "x_session.h"

namespace kletochka::test {
namespace {

using namespace std::chrono_literals;

TEST(HostKeysOnX, RussianLayoutKeysPlayATurnTakeItBackAndBlankTheScreen) {
    XvfbServer server;
    if (server.display().empty()) {
        GTEST_SKIP() << "no X server could be started for this test: " << server.failure();
    }
    const std::string display = "DISPLAY=" + server.display();
    // As on a Russian desktop: the Russian layout first, the English one second.
    ChildProcess layout({"setxkbmap", "ru,us"}, {display});
    if (layout.pid() == 0) {
        GTEST_SKIP() << "setxkbmap is not installed";
    }
    ASSERT_EQ(layout.WaitExit(30s), 0) << "setxkbmap could not set the layout";
    NativeGameOnX game(server.display());
    ASSERT_EQ(game.failure(), "");
    if (!game.xdotool({"version"})) {
        GTEST_SKIP() << "xdotool is not installed, so nothing can press the keys";
    }
    const auto grab = [&](Area a) { return game.grab(a); };
    const auto key = [&](const char* name) {
        ASSERT_TRUE(game.xdotool({"key", name})) << "xdotool could not press " << name;
    };

    // Round 1 with the mouse, which also puts the pointer, and so the keys, on the game.
    const Pixels title = grab(kTitle);
    ASSERT_TRUE(game.click(8 + 37, 96 + 36));
    ASSERT_TRUE(Eventually([&] { return grab(kTitle) != title; })) << "round 1 did not start";

    const Pixels noTurn = grab(kTurnBand);
    key("Left");
    ASSERT_TRUE(Eventually([&] { return grab(kTurnBand) != noTurn; })) << "← chose no side";
    const Pixels crossesTurn = grab(kTurnBand);

    // Keypad 5 with Num Lock off.
    const Pixels noQuestion = grab(kQuestion);
    key("KP_Begin");
    ASSERT_TRUE(Eventually([&] {
        return grab(kQuestion) != noQuestion && Drawn(grab(kCrossAnswers[2]));
    })) << "keypad 5 showed no question";
    Pixels regular[3];
    for (int i = 0; i < 3; ++i)
        regular[i] = grab(kCrossAnswers[i]);

    // Answers by the Cyrillic letters: С makes C bold, then В makes B bold instead.
    key("Cyrillic_es");
    ASSERT_TRUE(Eventually([&] { return grab(kCrossAnswers[2]) != regular[2]; }))
        << "С chose no answer";
    EXPECT_EQ(grab(kCrossAnswers[0]), regular[0]);
    EXPECT_EQ(grab(kCrossAnswers[1]), regular[1]);
    key("Cyrillic_ve");
    ASSERT_TRUE(Eventually([&] { return grab(kCrossAnswers[1]) != regular[1]; }))
        << "В chose no answer";
    EXPECT_TRUE(Eventually([&] { return grab(kCrossAnswers[2]) == regular[2]; }));

    // Confirm, then take it back with the clicker's "back".
    const Pixels freeCell = grab(Cell(5));
    key("Return");
    ASSERT_TRUE(Eventually([&] { return grab(Cell(5)) != freeCell; })) << "Enter confirmed nothing";
    key("Prior");
    ASSERT_TRUE(Eventually([&] { return grab(Cell(5)) == freeCell; }))
        << "Page Up took nothing back";

    // The clicker's "blank", as "." arrives in this layout, and again as Ю.
    key("period");
    ASSERT_TRUE(Eventually([&] {
        return AllBlack(grab(kTitle)) && AllBlack(grab(Cell(5))) && AllBlack(grab(kQuestion));
    })) << "\".\" did not blank the screen";
    key("Cyrillic_yu");
    ASSERT_TRUE(Eventually([&] { return grab(Cell(5)) == freeCell; }))
        << "Ю did not bring the game back";

    // The clicker's start and stop keys change nothing; → shows they were handled.
    key("F5");
    key("Escape");
    key("Right");
    ASSERT_TRUE(Eventually([&] { return grab(kTurnBand) != crossesTurn; })) << "→ chose no side";
    EXPECT_EQ(grab(Cell(5)), freeCell);
    EXPECT_FALSE(game.process().WaitExit(0ms).has_value()) << "the game ended";
}

}  // namespace
}  // namespace kletochka::test
