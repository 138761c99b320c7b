// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real game on an X server of its own, seen and driven as a person would:
// its window's pixels read back from the server, clicks and keys through xdotool.
#pragma once

#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "x_session.h"

namespace kletochka::test {

// A part of the window, in the layout's pixels.
struct Area {
    int x, y, width, height;
};

// Where the full-screen game shows its layout of 1017 x 745 on a screen: scaled by
// one factor to fill it across or down, centred, unless that gains less than 1.1x;
// then at its own size at the top left.
struct LayoutOnScreen {
    double scale = 1;
    double x = 0, y = 0;  // the layout's top left

    // The screen's pixels that show the layout's area.
    Area map(Area a) const;
};
LayoutOnScreen LayoutOn(int screenWidth, int screenHeight);

constexpr Area kTitle{0, 0, 1017, 48};
constexpr Area kTurnBand{0, 50, 1017, 38};
constexpr Area kQuestion{0, 176, 1017, 37};
constexpr Area kCrossAnswers[3] = {{48, 312, 273, 36}, {48, 384, 273, 36}, {48, 456, 273, 36}};

// Board cell 1..9 in its panel at 328, 224.
constexpr Area Cell(int n) {
    return {328 + 8 + 120 * ((n - 1) % 3), 224 + 8 + 120 * ((n - 1) / 3), 113, 113};
}

using Pixels = std::vector<std::uint32_t>;  // 0xRRGGBB

// What the X server holds for opacity alpha of 0..255: the fraction alpha/255 of 0xFFFFFFFF.
constexpr std::uint32_t XOpacity(std::uint32_t alpha) {
    return alpha * (0xFFFFFFFFU / 255U);
}

// Empty where the server cannot give the area.
Pixels Grab(xcb_connection_t* c, xcb_window_t window, Area a);
bool AllBlack(const Pixels& pixels);
// Not a single colour: something is drawn there.
bool Drawn(const Pixels& pixels);
// Waits up to 20 s for the screen to show something; the game draws on its own time.
bool Eventually(const std::function<bool()>& shown);

// A program started on `display` and its window, once mapped and drawn.
class GameOnX {
  public:
    // argv[0] is run in `folder` with the extra environment entries.
    GameOnX(const std::string& display, const std::vector<std::string>& argv,
            const std::vector<std::string>& environment, const std::filesystem::path& folder);

    // Empty once the window is up; else why the game could not be started.
    const std::string& failure() const { return m_failure; }
    xcb_connection_t* connection() const { return m_connection.get(); }
    xcb_window_t window() const { return m_window; }
    ChildProcess& process() { return *m_process; }

    // The window's size as the server has it.
    std::pair<int, int> size() const;
    // Where the window shows its layout at its present size.
    LayoutOnScreen layout() const;
    // What the window shows of an area of the layout.
    Pixels grab(Area a) const { return Grab(connection(), m_window, layout().map(a)); }
    // Runs xdotool with args on the display; false when it failed or is missing.
    bool xdotool(std::vector<std::string> args) const;
    // A click of the first button on the point (x, y) of the layout.
    bool click(int x, int y) const;
    // Where the window's point (0, 0) is on the screen.
    std::optional<std::pair<int, int>> origin() const;

    // The exit fade as the server sees it: every new value of the window's
    // _NET_WM_WINDOW_OPACITY, until the window goes or `limit` passes. watchFade()
    // before whatever starts the fade, so that no change is missed.
    struct Fade {
        std::vector<std::uint32_t> opacities;
        bool gone = false;
    };
    void watchFade() const;
    Fade fadeUntilGone(std::chrono::seconds limit) const;

  private:
    std::string m_display;
    Connection m_connection;
    std::optional<ChildProcess> m_process;
    xcb_window_t m_window = XCB_WINDOW_NONE;
    std::string m_failure;
};

}  // namespace kletochka::test
