// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "recording.h"

namespace kletochka::bench {

// Records a PulseAudio source with `parec` in raw 16-bit stereo, noting when
// each piece arrives. The reading thread does nothing else, so the arrival
// times are as close to the server's as this process can see them.
class MonitorRecorder {
  public:
    // Throws std::runtime_error when parec cannot be started.
    MonitorRecorder(const std::string& source, int rate, int latencyMs);
    MonitorRecorder(const MonitorRecorder&) = delete;
    MonitorRecorder& operator=(const MonitorRecorder&) = delete;
    ~MonitorRecorder();

    long long pieces() const { return m_pieces.load(); }
    // Ends parec and hands over what it recorded; call once.
    Recording stop();

  private:
    void read();

    pid_t m_pid = -1;
    int m_fd = -1;
    int m_rate;
    std::vector<char> m_bytes;
    std::vector<Recording::Arrival> m_arrivals;
    std::atomic<long long> m_pieces{0};
    std::thread m_reader;
};

}  // namespace kletochka::bench
