// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "sound/plugin/cue_output.h"

struct _snd_pcm;

namespace kletochka {

// The system's default ALSA output, for machines without a sound server: a
// thread of its own feeds the card, so Play() never waits for it.
class AlsaOutput : public CueOutput {
  public:
    // Null when there is no usable output.
    static std::unique_ptr<AlsaOutput> Open();
    AlsaOutput(const AlsaOutput&) = delete;
    AlsaOutput& operator=(const AlsaOutput&) = delete;
    ~AlsaOutput() override;

    void Play(std::shared_ptr<const Cue> cue) override;
    void Stop() override;

  private:
    explicit AlsaOutput(_snd_pcm* pcm);
    void Run();

    _snd_pcm* m_pcm;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::shared_ptr<const Cue> m_next;  // null: the cut-off alone
    bool m_cut = false;
    bool m_quit = false;
    std::thread m_thread;
};

}  // namespace kletochka
