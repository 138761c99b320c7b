// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "x_session.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <thread>

extern char** environ;

namespace kletochka::test {

namespace {

// The variable's name: what comes before "=".
std::string NameOf(const std::string& entry) {
    return entry.substr(0, entry.find('='));
}

// This process's environment with the given entries added or replacing theirs.
std::vector<std::string> EnvironmentWith(const std::vector<std::string>& entries) {
    std::vector<std::string> result;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        bool replaced = false;
        for (const std::string& own : entries) {
            replaced = replaced || NameOf(own) == NameOf(entry);
        }
        if (!replaced) {
            result.push_back(entry);
        }
    }
    result.insert(result.end(), entries.begin(), entries.end());
    return result;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& s : strings) {
        pointers.push_back(s.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv,
                           const std::vector<std::string>& environment,
                           const std::filesystem::path& folder, PassedFd passed) {
    std::vector<std::string> args = argv;
    std::vector<std::string> env = EnvironmentWith(environment);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!folder.empty()) {
        posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    }
    if (passed.fd >= 0) {
        posix_spawn_file_actions_adddup2(&actions, passed.fd, passed.as);
    }
    pid_t pid = 0;
    if (posix_spawnp(&pid, args[0].c_str(), &actions, nullptr, Pointers(args).data(),
                     Pointers(env).data()) == 0) {
        m_pid = pid;
    }
    posix_spawn_file_actions_destroy(&actions);
}

ChildProcess::~ChildProcess() {
    if (m_pid != 0 && !m_reaped) {
        // Asked first, so that an X server removes its socket and lock file.
        ::kill(m_pid, SIGTERM);
        if (!WaitExit(std::chrono::seconds(5)) && !m_reaped) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
}

std::optional<int> ChildProcess::WaitExit(std::chrono::milliseconds timeout) {
    if (m_pid == 0 || m_reaped) {
        return std::nullopt;
    }
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        int status = 0;
        if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_reaped = true;
            return WIFEXITED(status) ? std::optional<int>(WEXITSTATUS(status)) : std::nullopt;
        }
        if (std::chrono::steady_clock::now() >= end) {
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

XvfbServer::XvfbServer(const std::string& screen) {
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
        m_failure = std::string("no pipe: ") + std::strerror(errno);
        return;
    }
    // Xvfb writes the display number it took to this descriptor once it accepts
    // clients. The write end is moved above it first, so the copy is a real one
    // and loses close-on-exec.
    const int kDisplayFd = 3;
    const int writeEnd = ::fcntl(pipeFds[1], F_DUPFD_CLOEXEC, 10);
    ::close(pipeFds[1]);
    m_server.emplace(
        std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(kDisplayFd), "-screen", "0",
                                 screen, "-nolisten", "tcp", "-noreset"},
        std::vector<std::string>{}, std::filesystem::path{}, PassedFd{writeEnd, kDisplayFd});
    ::close(writeEnd);
    if (m_server->pid() == 0) {
        m_failure = "Xvfb is not installed";
        ::close(pipeFds[0]);
        return;
    }
    std::string number;
    pollfd ready{pipeFds[0], POLLIN, 0};
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (number.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        char buffer[16];
        ssize_t got = 0;
        if (left.count() <= 0 || ::poll(&ready, 1, static_cast<int>(left.count())) <= 0 ||
            (got = ::read(pipeFds[0], buffer, sizeof buffer)) <= 0) {
            break;
        }
        number.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(pipeFds[0]);
    if (number.find('\n') == std::string::npos) {
        m_failure = "Xvfb did not start";
        return;
    }
    m_display = ":" + number.substr(0, number.find('\n'));
}

xcb_atom_t Atom(xcb_connection_t* c, const std::string& name) {
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(name.size()), name.c_str()),
            nullptr),
        &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

std::optional<std::uint32_t> Cardinal(xcb_connection_t* c, xcb_window_t window,
                                      xcb_atom_t property) {
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, XCB_ATOM_CARDINAL, 0, 1),
                               nullptr),
        &std::free);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4) {
        return std::nullopt;
    }
    return *static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
}

XcbEvent NextEvent(xcb_connection_t* c, std::chrono::steady_clock::time_point end) {
    for (;;) {
        if (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
            return {event, &std::free};
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        pollfd ready{xcb_get_file_descriptor(c), POLLIN, 0};
        if (left.count() <= 0 || xcb_connection_has_error(c) ||
            ::poll(&ready, 1, static_cast<int>(left.count())) <= 0) {
            return {nullptr, &std::free};
        }
    }
}

xcb_window_t WaitForWindowOf(xcb_connection_t* c, pid_t pid,
                             std::chrono::steady_clock::time_point end) {
    const xcb_atom_t pidAtom = Atom(c, "_NET_WM_PID");
    for (;;) {
        const XcbEvent event = NextEvent(c, end);
        if (!event) {
            return XCB_WINDOW_NONE;
        }
        if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
            if (Cardinal(c, map->window, pidAtom) == static_cast<std::uint32_t>(pid)) {
                return map->window;
            }
        }
    }
}

}  // namespace kletochka::test
