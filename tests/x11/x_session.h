// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kletochka::test {

// {fd, n} gives a child this process's descriptor fd as its descriptor n.
struct PassedFd {
    int fd = -1;
    int as = -1;
};

// A program found on PATH, started with extra environment entries ("NAME=value")
// in a folder; killed and reaped when dropped while it still runs.
class ChildProcess {
  public:
    ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
                 const std::filesystem::path& folder = {}, PassedFd passed = {});
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess();

    // 0 when the program could not be started.
    pid_t pid() const { return m_pid; }
    // The exit status within the time, or nullopt if it is still running or was killed.
    std::optional<int> WaitExit(std::chrono::milliseconds timeout);

  private:
    pid_t m_pid = 0;
    bool m_reaped = false;
};

// An Xvfb server on a display number it picks itself.
class XvfbServer {
  public:
    explicit XvfbServer(const std::string& screen = "1280x1024x24");

    // ":N", or empty when no server could be started; then failure() says why.
    const std::string& display() const { return m_display; }
    const std::string& failure() const { return m_failure; }

  private:
    std::optional<ChildProcess> m_server;
    std::string m_display;
    std::string m_failure;
};

struct XcbDisconnect {
    void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
};
using Connection = std::unique_ptr<xcb_connection_t, XcbDisconnect>;
using XcbEvent = std::unique_ptr<xcb_generic_event_t, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* c, const std::string& name);

// The first 32-bit value of a window's CARDINAL property, if it has one.
std::optional<std::uint32_t> Cardinal(xcb_connection_t* c, xcb_window_t window,
                                      xcb_atom_t property);

// The next event before `end`, or null.
XcbEvent NextEvent(xcb_connection_t* c, std::chrono::steady_clock::time_point end);

// The window of process `pid` once the server maps it, or XCB_WINDOW_NONE at
// `end`. The caller has asked the root window for its substructure's events.
xcb_window_t WaitForWindowOf(xcb_connection_t* c, pid_t pid,
                             std::chrono::steady_clock::time_point end);

}  // namespace kletochka::test
