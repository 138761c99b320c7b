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

#include "native_game.h"
#include "x_screen.h"
#include "x_session.h"

namespace kletochka::test {
namespace {

using namespace std::chrono_literals;

TEST(ExitFadeOnX, EveryTickReachesTheServerAndTheProgramEndsWell) {
    XvfbServer server;
    if (server.display().empty()) {
        GTEST_SKIP() << "no X server could be started for this test: " << server.failure();
    }
    NativeGameOnX game(server.display());
    ASSERT_EQ(game.failure(), "");
    xcb_connection_t* c = game.connection();
    EXPECT_EQ(Cardinal(c, game.window(), Atom(c, "_NET_WM_WINDOW_OPACITY")), std::nullopt)
        << "opaque before the exit";
    game.watchFade();

    // The host clicks STOP (57 x 57 at 952, 680 of the layout).
    if (!game.xdotool({"version"})) {
        GTEST_SKIP() << "xdotool is not installed, so nothing can click STOP";
    }
    ASSERT_TRUE(game.click(952 + 28, 680 + 28)) << "xdotool could not click";

    // Each change of the property as the server tells it, until the window goes.
    const GameOnX::Fade fade = game.fadeUntilGone(30s);
    EXPECT_TRUE(fade.gone) << "the window was still there after 30 s, with "
                           << fade.opacities.size() << " opacity changes";

    std::vector<std::uint32_t> expected;
    for (std::uint32_t alpha = 245; alpha >= 5; alpha -= 10) {
        expected.push_back(XOpacity(alpha));
        if (alpha == 5)
            break;
    }
    EXPECT_EQ(fade.opacities, expected);
    EXPECT_EQ(game.process().WaitExit(30s), std::optional<int>(0))
        << "the game did not end with status 0";
}

}  // namespace
}  // namespace kletochka::test
