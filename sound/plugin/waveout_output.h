// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "sound/plugin/cue_output.h"

struct HWAVEOUT__;

namespace kletochka {

// The system's default waveOut device. Each cue goes to it whole, as one
// buffer, so nothing has to wake up in time while it sounds; a thread of its
// own resets and reopens the device, so Play() never waits for the driver.
class WaveOutOutput : public CueOutput {
  public:
    // Null when there is no usable device.
    static std::unique_ptr<WaveOutOutput> Open();
    WaveOutOutput(const WaveOutOutput&) = delete;
    WaveOutOutput& operator=(const WaveOutOutput&) = delete;
    ~WaveOutOutput() override;

    void Play(std::shared_ptr<const Cue> cue) override;
    void Stop() override;

  private:
    WaveOutOutput(HWAVEOUT__* device, int rate);
    void Run();

    HWAVEOUT__* m_device;  // only the thread touches it once it runs; null when it would not reopen
    int m_rate;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::shared_ptr<const Cue> m_next;  // null: the cut-off alone
    bool m_cut = false;
    bool m_quit = false;
    std::thread m_thread;
};

}  // namespace kletochka
