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

#include "x_screen.h"
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
    // The program runs from its folder, as its launcher starts it; the test
    // needs no sound device and no session bus.
    GameOnX game(server.display(), {KLETOCHKA_DIST_DIR "/kletochka"},
                 {"QT_QPA_PLATFORM=xcb", "DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent",
                  "QT_ACCESSIBILITY=0"},
                 KLETOCHKA_DIST_DIR);
    ASSERT_EQ(game.failure(), "");
    xcb_connection_t* c = game.connection();
    const xcb_window_t window = game.window();
    const xcb_atom_t opacityAtom = Atom(c, "_NET_WM_WINDOW_OPACITY");
    const std::uint32_t windowEvents =
        XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, window, XCB_CW_EVENT_MASK, &windowEvents);
    EXPECT_EQ(Cardinal(c, window, opacityAtom), std::nullopt) << "opaque before the exit";

    // The host clicks STOP (57 x 57 at 952, 680 of the layout).
    if (!game.xdotool({"version"})) {
        GTEST_SKIP() << "xdotool is not installed, so nothing can click STOP";
    }
    ASSERT_TRUE(game.click(952 + 28, 680 + 28)) << "xdotool could not click";

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
    EXPECT_EQ(game.process().WaitExit(30s), std::optional<int>(0))
        << "the game did not end with status 0";
}

}  // namespace
}  // namespace kletochka::test
