// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The exit fade of the real program as the X server sees it, under Xvfb.
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "x_session.h"

namespace kletochka::test {
namespace {

using namespace std::chrono_literals;

// What the X server holds for opacity alpha of 0..255: the fraction alpha/255 of 0xFFFFFFFF.
std::uint32_t XOpacity(std::uint32_t alpha) {
    return alpha * (0xFFFFFFFFU / 255U);
}

TEST(ExitFadeOnX, EveryTickReachesTheServerAndTheProgramEndsWell) {
    XvfbServer server;
    if (server.display().empty()) {
        GTEST_SKIP() << "no X server could be started for this test: " << server.failure();
    }
    Connection connection(xcb_connect(server.display().c_str(), nullptr));
    xcb_connection_t* c = connection.get();
    ASSERT_EQ(xcb_connection_has_error(c), 0) << "cannot connect to " << server.display();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const std::uint32_t rootEvents = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &rootEvents);
    const xcb_atom_t opacityAtom = Atom(c, "_NET_WM_WINDOW_OPACITY");

    // The program runs from its folder, as its launcher starts it; the test
    // needs no sound device and no session bus.
    ChildProcess game({KLETOCHKA_DIST_DIR "/kletochka"},
                      {"DISPLAY=" + server.display(), "QT_QPA_PLATFORM=xcb",
                       "DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent", "QT_ACCESSIBILITY=0"},
                      KLETOCHKA_DIST_DIR);
    ASSERT_NE(game.pid(), 0);

    const xcb_window_t window =
        WaitForWindowOf(c, game.pid(), std::chrono::steady_clock::now() + 30s);
    ASSERT_NE(window, static_cast<xcb_window_t>(XCB_WINDOW_NONE))
        << "the game's window never appeared";
    const std::uint32_t windowEvents =
        XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, window, XCB_CW_EVENT_MASK, &windowEvents);
    EXPECT_EQ(Cardinal(c, window, opacityAtom), std::nullopt) << "opaque before the exit";

    // The host clicks STOP (57 x 57 at 952, 680 of the layout).
    std::unique_ptr<xcb_translate_coordinates_reply_t, decltype(&std::free)> stop(
        xcb_translate_coordinates_reply(
            c, xcb_translate_coordinates(c, window, root, 952 + 28, 680 + 28), nullptr),
        &std::free);
    ASSERT_NE(stop, nullptr);
    ChildProcess click({"xdotool", "mousemove", "--sync", std::to_string(stop->dst_x),
                        std::to_string(stop->dst_y), "click", "1"},
                       {"DISPLAY=" + server.display()});
    if (click.pid() == 0) {
        GTEST_SKIP() << "xdotool is not installed, so nothing can click STOP";
    }
    ASSERT_EQ(click.WaitExit(30s), 0) << "xdotool could not click";

    // Each change of the property as the server tells it, until the window goes.
    std::vector<std::uint32_t> seen;
    bool gone = false;
    const auto end = std::chrono::steady_clock::now() + 30s;
    while (!gone) {
        auto event = NextEvent(c, end);
        if (!event) {
            ADD_FAILURE() << "the window was still there after 30 s, with " << seen.size()
                          << " opacity changes";
            break;
        }
        switch (event->response_type & 0x7F) {
            case XCB_PROPERTY_NOTIFY: {
                const auto* change =
                    reinterpret_cast<const xcb_property_notify_event_t*>(event.get());
                if (change->window == window && change->atom == opacityAtom) {
                    const auto value = Cardinal(c, window, opacityAtom);
                    if (value && (seen.empty() || seen.back() != *value)) {
                        seen.push_back(*value);
                    }
                }
                break;
            }
            case XCB_UNMAP_NOTIFY:
            case XCB_DESTROY_NOTIFY:
                gone = true;
                break;
            default:
                break;
        }
    }

    std::vector<std::uint32_t> expected;
    for (std::uint32_t alpha = 245; alpha >= 5; alpha -= 10) {
        expected.push_back(XOpacity(alpha));
        if (alpha == 5)
            break;
    }
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(game.WaitExit(30s), std::optional<int>(0)) << "the game did not end with status 0";
}

}  // namespace
}  // namespace kletochka::test
