// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor_recorder.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <stdexcept>

#include "clock.h"

extern char** environ;

namespace kletochka::bench {

namespace {

constexpr int kChannels = 2;
constexpr int kFrameBytes = kChannels * 2;

}  // namespace

MonitorRecorder::MonitorRecorder(const std::string& source, int rate, int latencyMs)
    : m_rate(rate) {
    int out[2];
    if (pipe(out) != 0) {
        throw std::runtime_error("pipe failed");
    }
    const std::string device = "--device=" + source;
    const std::string rateArg = "--rate=" + std::to_string(rate);
    const std::string latency = "--latency-msec=" + std::to_string(latencyMs);
    const char* argv[] = {"parec",          device.c_str(), rateArg.c_str(), "--channels=2",
                          "--format=s16le", "--raw",        latency.c_str(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);
    const int failed =
        posix_spawnp(&m_pid, "parec", &actions, nullptr, const_cast<char**>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (failed != 0) {
        close(out[0]);
        throw std::runtime_error(std::string("cannot start parec: ") + std::strerror(failed));
    }
    m_fd = out[0];
    m_reader = std::thread([this] { read(); });
}

MonitorRecorder::~MonitorRecorder() {
    if (m_pid > 0) {
        stop();
    }
}

void MonitorRecorder::read() {
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::read(m_fd, buffer, sizeof buffer);
        const long long now = MonotonicNs();
        if (got <= 0) {
            return;
        }
        m_bytes.insert(m_bytes.end(), buffer, buffer + got);
        m_arrivals.push_back({now, static_cast<std::int64_t>(m_bytes.size() / kFrameBytes)});
        ++m_pieces;
    }
}

Recording MonitorRecorder::stop() {
    kill(m_pid, SIGTERM);
    m_reader.join();
    close(m_fd);
    waitpid(m_pid, nullptr, 0);
    m_pid = -1;

    Recording recording;
    recording.rate = m_rate;
    recording.channels = kChannels;
    recording.samples.resize(m_bytes.size() / 2);
    std::memcpy(recording.samples.data(), m_bytes.data(), recording.samples.size() * 2);
    recording.arrivals = std::move(m_arrivals);
    return recording;
}

}  // namespace kletochka::bench
