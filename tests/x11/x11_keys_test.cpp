// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The host's keys as the X server delivers them to the real program, with the
// Russian layout active, under Xvfb. What the game does is read off the screen.
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "x_session.h"

namespace kletochka::test {
namespace {

using namespace std::chrono_literals;

// A part of the window, in the layout's pixels.
struct Area {
    int x, y, width, height;
};

constexpr Area kTitle{0, 0, 1017, 48};
constexpr Area kTurnBand{0, 50, 1017, 38};
constexpr Area kQuestion{0, 176, 1017, 37};
constexpr Area kCrossAnswers[3] = {{48, 312, 273, 36}, {48, 384, 273, 36}, {48, 456, 273, 36}};

// Board cell 1..9 in its panel at 328, 224.
constexpr Area Cell(int n) {
    return {328 + 8 + 120 * ((n - 1) % 3), 224 + 8 + 120 * ((n - 1) / 3), 113, 113};
}

using Pixels = std::vector<std::uint32_t>;  // 0xRRGGBB

Pixels Grab(xcb_connection_t* c, xcb_window_t window, Area a) {
    std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> image(
        xcb_get_image_reply(
            c,
            xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, static_cast<std::int16_t>(a.x),
                          static_cast<std::int16_t>(a.y), static_cast<std::uint16_t>(a.width),
                          static_cast<std::uint16_t>(a.height), ~0U),
            nullptr),
        &std::free);
    Pixels pixels;
    if (!image || image->depth != 24) {
        return pixels;
    }
    const auto* data = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(image.get()));
    const auto count = static_cast<std::size_t>(xcb_get_image_data_length(image.get())) / 4;
    pixels.assign(data, data + count);
    for (std::uint32_t& p : pixels) {
        p &= 0xFFFFFFU;
    }
    return pixels;
}

bool AllBlack(const Pixels& pixels) {
    return !pixels.empty() &&
           std::all_of(pixels.begin(), pixels.end(), [](std::uint32_t p) { return p == 0; });
}

bool Drawn(const Pixels& pixels) {
    return !pixels.empty() && std::any_of(pixels.begin(), pixels.end(),
                                          [&](std::uint32_t p) { return p != pixels.front(); });
}

// Waits for the screen to show something; the game draws on its own time.
bool Eventually(const std::function<bool()>& shown) {
    const auto end = std::chrono::steady_clock::now() + 20s;
    while (!shown()) {
        if (std::chrono::steady_clock::now() >= end) {
            return false;
        }
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

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
    const auto xdotool = [&](std::vector<std::string> args) {
        args.insert(args.begin(), "xdotool");
        ChildProcess tool(args, {display});
        return tool.pid() != 0 && tool.WaitExit(30s) == 0;
    };
    if (!xdotool({"version"})) {
        GTEST_SKIP() << "xdotool is not installed, so nothing can press the keys";
    }

    Connection connection(xcb_connect(server.display().c_str(), nullptr));
    xcb_connection_t* c = connection.get();
    ASSERT_EQ(xcb_connection_has_error(c), 0) << "cannot connect to " << server.display();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const std::uint32_t rootEvents = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &rootEvents);
    ChildProcess game({KLETOCHKA_DIST_DIR "/kletochka"},
                      {display, "QT_QPA_PLATFORM=xcb",
                       "DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent", "QT_ACCESSIBILITY=0"},
                      KLETOCHKA_DIST_DIR);
    ASSERT_NE(game.pid(), 0);
    const xcb_window_t window =
        WaitForWindowOf(c, game.pid(), std::chrono::steady_clock::now() + 30s);
    ASSERT_NE(window, static_cast<xcb_window_t>(XCB_WINDOW_NONE))
        << "the game's window never appeared";
    const auto grab = [&](Area a) { return Grab(c, window, a); };
    const auto key = [&](const char* name) {
        ASSERT_TRUE(xdotool({"key", name})) << "xdotool could not press " << name;
    };
    ASSERT_TRUE(Eventually([&] { return Drawn(grab(Cell(5))); })) << "no first frame";

    // Round 1 with the mouse, which also puts the pointer, and so the keys, on the game.
    const Pixels title = grab(kTitle);
    std::unique_ptr<xcb_translate_coordinates_reply_t, decltype(&std::free)> round(
        xcb_translate_coordinates_reply(
            c, xcb_translate_coordinates(c, window, root, 8 + 37, 96 + 36), nullptr),
        &std::free);
    ASSERT_NE(round, nullptr);
    ASSERT_TRUE(xdotool({"mousemove", "--sync", std::to_string(round->dst_x),
                         std::to_string(round->dst_y), "click", "1"}));
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
    EXPECT_FALSE(game.WaitExit(0ms).has_value()) << "the game ended";
}

}  // namespace
}  // namespace kletochka::test
