// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "alsa_output.h"

#include <alsa/asoundlib.h>
#include <pthread.h>
#include <sched.h>

#include <limits>

#include "sound/cue_rate.h"
#include "sound/plugin/cue_cursor.h"

namespace kletochka {

namespace {

constexpr unsigned kLatencyUs = 40000;
constexpr int kWaitMs = 10;  // how long a cut-off can wait for the thread

// alsa-lib writes its own diagnostics to stderr, several lines for a machine
// without a sound card; SystemOutputs says in one line that cues play silently.
void DiscardAlsaDiagnostic(const char*, int, const char*, int, const char*, ...) {}

bool Configure(snd_pcm_t* pcm, int rate) {
    return snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED,
                              Cue::kChannels, static_cast<unsigned>(rate), 1, kLatencyUs) == 0;
}

}  // namespace

std::unique_ptr<AlsaOutput> AlsaOutput::Open() {
    snd_lib_error_set_handler(DiscardAlsaDiagnostic);
    snd_pcm_t* pcm = nullptr;
    if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) != 0) {
        return nullptr;
    }
    if (!Configure(pcm, kCueRate)) {
        snd_pcm_close(pcm);
        return nullptr;
    }
    return std::unique_ptr<AlsaOutput>(new AlsaOutput(pcm));
}

AlsaOutput::AlsaOutput(snd_pcm_t* pcm) : m_pcm(pcm), m_thread([this] { Run(); }) {}

AlsaOutput::~AlsaOutput() {
    {
        const std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_wake.notify_one();
    m_thread.join();
    snd_pcm_close(m_pcm);
}

void AlsaOutput::Stop() {
    Play(nullptr);
}

void AlsaOutput::Play(std::shared_ptr<const Cue> cue) {
    {
        const std::lock_guard lock(m_mutex);
        m_next = std::move(cue);
        m_cut = true;
    }
    m_wake.notify_one();
}

void AlsaOutput::Run() {
    // The card runs dry if this thread wakes late; where the user may have a
    // real-time priority (the audio group's limit), take a low one, else go on as is.
    const sched_param priority{sched_get_priority_min(SCHED_RR)};
    pthread_setschedparam(pthread_self(), SCHED_RR, &priority);
    CueCursor cursor;
    int rate = kCueRate;
    for (;;) {
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [&] { return m_quit || m_cut || !cursor.Done(); });
            if (m_quit) {
                return;
            }
            if (m_cut) {
                m_cut = false;
                snd_pcm_drop(m_pcm);
                cursor.Restart(std::move(m_next));
                const Cue* cue = cursor.Current();
                const bool ready = !cue || cue->rate == rate ? snd_pcm_prepare(m_pcm) == 0
                                                             : Configure(m_pcm, rate = cue->rate);
                if (!ready) {
                    cursor.Restart(nullptr);
                }
            }
        }
        const std::span<const std::int16_t> next =
            cursor.Next(std::numeric_limits<std::size_t>::max());
        if (next.empty()) {
            continue;
        }
        const snd_pcm_sframes_t done =
            snd_pcm_writei(m_pcm, next.data(), next.size() / Cue::kChannels);
        if (done == -EAGAIN) {
            snd_pcm_wait(m_pcm, kWaitMs);
        } else if (done < 0) {
            if (snd_pcm_recover(m_pcm, static_cast<int>(done), 1) != 0) {
                cursor.Restart(nullptr);
            }
        } else {
            cursor.Advance(static_cast<std::size_t>(done));
        }
    }
}

}  // namespace kletochka
