// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "x_screen.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <thread>

namespace kletochka::test {

using namespace std::chrono_literals;

Area LayoutOnScreen::map(Area a) const {
    const auto at = [this](double origin, int v) {
        return static_cast<int>(std::lround(origin + v * scale));
    };
    const int left = at(x, a.x);
    const int top = at(y, a.y);
    return {left, top, std::max(1, at(x, a.x + a.width) - left),
            std::max(1, at(y, a.y + a.height) - top)};
}

LayoutOnScreen LayoutOn(int screenWidth, int screenHeight) {
    const double scale = std::min(screenWidth / 1017.0, screenHeight / 745.0);
    if (scale < 1.1) {
        return {};
    }
    return {scale, (screenWidth - 1017 * scale) / 2, (screenHeight - 745 * scale) / 2};
}

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

GameOnX::GameOnX(const std::string& display, const std::vector<std::string>& argv,
                 const std::vector<std::string>& environment, const std::filesystem::path& folder)
    : m_display(display), m_connection(xcb_connect(display.c_str(), nullptr)) {
    xcb_connection_t* c = m_connection.get();
    if (xcb_connection_has_error(c) != 0) {
        m_failure = "cannot connect to " + display;
        return;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const std::uint32_t rootEvents = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &rootEvents);
    std::vector<std::string> env = environment;
    env.push_back("DISPLAY=" + display);
    m_process.emplace(argv, env, folder);
    if (m_process->pid() == 0) {
        m_failure = "cannot start " + argv.front();
        return;
    }
    // Wine and a cold start can take long to put up the first window.
    m_window = WaitForWindowOf(c, m_process->pid(), std::chrono::steady_clock::now() + 60s);
    if (m_window == XCB_WINDOW_NONE) {
        m_failure = "the game's window never appeared";
    } else if (!Eventually([&] { return Drawn(grab(Cell(5))); })) {
        m_failure = "the game's window shows no first frame";
    }
}

bool GameOnX::xdotool(std::vector<std::string> args) const {
    args.insert(args.begin(), "xdotool");
    ChildProcess tool(args, {"DISPLAY=" + m_display});
    return tool.pid() != 0 && tool.WaitExit(30s) == 0;
}

std::optional<std::pair<int, int>> GameOnX::origin() const {
    xcb_connection_t* c = connection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    std::unique_ptr<xcb_translate_coordinates_reply_t, decltype(&std::free)> at(
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, m_window, root, 0, 0),
                                        nullptr),
        &std::free);
    if (!at) {
        return std::nullopt;
    }
    return std::pair<int, int>{at->dst_x, at->dst_y};
}

std::pair<int, int> GameOnX::size() const {
    std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry(
        xcb_get_geometry_reply(connection(), xcb_get_geometry(connection(), m_window), nullptr),
        &std::free);
    return geometry ? std::pair<int, int>{geometry->width, geometry->height}
                    : std::pair<int, int>{0, 0};
}

LayoutOnScreen GameOnX::layout() const {
    const auto [width, height] = size();
    return LayoutOn(width, height);
}

bool GameOnX::click(int x, int y) const {
    const auto at = origin();
    const Area point = layout().map({x, y, 0, 0});
    return at && xdotool({"mousemove", "--sync", std::to_string(at->first + point.x),
                          std::to_string(at->second + point.y), "click", "1"});
}

void GameOnX::watchFade() const {
    const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection(), m_window, XCB_CW_EVENT_MASK, &events);
    xcb_flush(connection());
}

GameOnX::Fade GameOnX::fadeUntilGone(std::chrono::seconds limit) const {
    xcb_connection_t* c = connection();
    const xcb_atom_t opacity = Atom(c, "_NET_WM_WINDOW_OPACITY");
    Fade fade;
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!fade.gone) {
        const auto event = NextEvent(c, end);
        if (!event) {
            break;
        }
        switch (event->response_type & 0x7F) {
            case XCB_PROPERTY_NOTIFY: {
                const auto* change =
                    reinterpret_cast<const xcb_property_notify_event_t*>(event.get());
                if (change->window == m_window && change->atom == opacity) {
                    const auto value = Cardinal(c, m_window, opacity);
                    if (value && (fade.opacities.empty() || fade.opacities.back() != *value)) {
                        fade.opacities.push_back(*value);
                    }
                }
                break;
            }
            case XCB_UNMAP_NOTIFY:
            case XCB_DESTROY_NOTIFY:
                fade.gone = true;
                break;
            default:
                break;
        }
    }
    return fade;
}

}  // namespace kletochka::test
