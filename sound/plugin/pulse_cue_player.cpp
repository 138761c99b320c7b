// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/plugin/pulse_cue_player.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "sound/cue_rate.h"

namespace kletochka {

namespace {

constexpr std::uint32_t kFrameBytes = Cue::kChannels * sizeof(std::int16_t);
// What the server keeps ahead of the card; the rest of a cue waits in its queue.
constexpr std::uint32_t kTargetBytes = kCueRate / 100 * kFrameBytes;

class Lock {
  public:
    explicit Lock(pa_threaded_mainloop* loop) : m_loop(loop) { pa_threaded_mainloop_lock(m_loop); }
    ~Lock() { pa_threaded_mainloop_unlock(m_loop); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

  private:
    pa_threaded_mainloop* m_loop;
};

}  // namespace

PulseCuePlayer::PulseCuePlayer(Output output) {
    if (output == Output::Silent) {
        return;
    }
    m_loop = pa_threaded_mainloop_new();
    if (m_loop == nullptr || pa_threaded_mainloop_start(m_loop) != 0) {
        return;
    }
    m_state = State::Connecting;
    // Even reading the client's configuration is left to the loop's thread.
    const Lock lock(m_loop);
    pa_mainloop_api_once(pa_threaded_mainloop_get_api(m_loop), &PulseCuePlayer::Connect, this);
}

PulseCuePlayer::~PulseCuePlayer() {
    m_alsa.reset();
    if (m_loop == nullptr) {
        return;
    }
    {
        const Lock lock(m_loop);
        if (m_stream != nullptr) {
            pa_stream_set_state_callback(m_stream, nullptr, nullptr);
            pa_stream_set_write_callback(m_stream, nullptr, nullptr);
            pa_stream_disconnect(m_stream);
            pa_stream_unref(m_stream);
        }
        if (m_context != nullptr) {
            pa_context_set_state_callback(m_context, nullptr, nullptr);
            pa_context_disconnect(m_context);
            pa_context_unref(m_context);
        }
    }
    pa_threaded_mainloop_stop(m_loop);
    pa_threaded_mainloop_free(m_loop);
}

void PulseCuePlayer::Connect(pa_mainloop_api* api, void* self) {
    auto* player = static_cast<PulseCuePlayer*>(self);
    player->m_context = pa_context_new(api, "kletochka");
    if (player->m_context == nullptr) {
        player->Fallback();
        return;
    }
    pa_context_set_state_callback(player->m_context, &PulseCuePlayer::ContextChanged, player);
    if (pa_context_connect(player->m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        player->Fallback();
    }
}

void PulseCuePlayer::ContextChanged(pa_context* context, void* self) {
    auto* player = static_cast<PulseCuePlayer*>(self);
    switch (pa_context_get_state(context)) {
        case PA_CONTEXT_READY:
            player->OpenStream(kCueRate);
            break;
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            player->Lost();
            break;
        default:
            break;
    }
}

void PulseCuePlayer::OpenStream(int rate) {
    if (m_stream != nullptr) {
        pa_stream_set_state_callback(m_stream, nullptr, nullptr);
        pa_stream_set_write_callback(m_stream, nullptr, nullptr);
        pa_stream_disconnect(m_stream);
        pa_stream_unref(m_stream);
    }
    m_streamReady = false;
    m_streamRate = rate;
    // The stream keeps the file's rate: a rate the server converts on the way
    // would carry the end of one cue into the start of the next.
    const pa_sample_spec format{PA_SAMPLE_S16NE, static_cast<std::uint32_t>(rate), Cue::kChannels};
    m_stream = pa_stream_new(m_context, "cues", &format, nullptr);
    if (m_stream == nullptr) {
        Fallback();
        return;
    }
    pa_stream_set_state_callback(m_stream, &PulseCuePlayer::StreamChanged, this);
    pa_stream_set_write_callback(m_stream, &PulseCuePlayer::StreamWants, this);
    // A cue starts as soon as its first frame arrives and may be far longer than the target.
    pa_buffer_attr attr{};
    attr.maxlength = static_cast<std::uint32_t>(-1);
    attr.tlength = kTargetBytes;
    attr.prebuf = kFrameBytes;
    attr.minreq = static_cast<std::uint32_t>(-1);
    attr.fragsize = static_cast<std::uint32_t>(-1);
    if (pa_stream_connect_playback(m_stream, nullptr, &attr, PA_STREAM_ADJUST_LATENCY, nullptr,
                                   nullptr) < 0) {
        Fallback();
    }
}

void PulseCuePlayer::StreamChanged(pa_stream* stream, void* self) {
    auto* player = static_cast<PulseCuePlayer*>(self);
    switch (pa_stream_get_state(stream)) {
        case PA_STREAM_READY:
            player->m_streamReady = true;
            if (player->m_state == State::Connecting) {
                player->Settle(State::Server);
            } else {
                player->WriteAll();
            }
            break;
        case PA_STREAM_FAILED:
        case PA_STREAM_TERMINATED:
            player->Lost();
            break;
        default:
            break;
    }
}

void PulseCuePlayer::StreamWants(pa_stream*, std::size_t bytes, void* self) {
    static_cast<PulseCuePlayer*>(self)->WriteMore(bytes);
}

void PulseCuePlayer::Lost() {
    if (m_state == State::Connecting) {
        Fallback();
    } else if (m_state == State::Server) {
        Settle(State::Silent);
    }
}

void PulseCuePlayer::Fallback() {
    // A refused connect reports the failure through the state callback too.
    if (m_state != State::Connecting) {
        return;
    }
    m_alsa = AlsaOutput::Open();
    if (!m_alsa) {
        // The window shows no error for this; whoever started it from a terminal learns why.
        std::fprintf(stderr,
                     "%s: no sound device (no sound server, no ALSA output); playing silently\n",
                     program_invocation_short_name);
    }
    Settle(m_alsa ? State::Alsa : State::Silent);
}

void PulseCuePlayer::Settle(State state) {
    m_state = state;
    pa_threaded_mainloop_signal(m_loop, 0);
}

void PulseCuePlayer::WriteAll() {
    const pa_buffer_attr* attr = pa_stream_get_buffer_attr(m_stream);
    WriteMore(attr != nullptr ? attr->maxlength / 2 : kTargetBytes);
}

void PulseCuePlayer::WriteMore(std::size_t bytes) {
    if (!m_playing || m_state != State::Server || !m_streamReady) {
        return;
    }
    const std::size_t left = m_playing->bytes() - m_written;
    if (left == 0) {
        m_playing.reset();
        return;
    }
    const std::size_t now = std::min(left, bytes) / kFrameBytes * kFrameBytes;
    if (now == 0) {
        return;
    }
    const auto* data = reinterpret_cast<const char*>(m_playing->samples.data()) + m_written;
    if (pa_stream_write(m_stream, data, now, nullptr, 0, PA_SEEK_RELATIVE) < 0) {
        m_playing.reset();
        return;
    }
    m_written += now;
}

void PulseCuePlayer::WaitForConnection() {
    while (m_state == State::Connecting) {
        pa_threaded_mainloop_wait(m_loop);
    }
}

bool PulseCuePlayer::audible() {
    if (m_loop == nullptr) {
        return false;
    }
    const Lock lock(m_loop);
    WaitForConnection();
    return m_state == State::Server || m_state == State::Alsa;
}

void PulseCuePlayer::open(const QString& path) {
    // Opening stops the cue before, even when the new file turns out bad.
    if (m_loop != nullptr) {
        const Lock lock(m_loop);
        m_playing.reset();
        if (m_state == State::Server && m_streamReady) {
            pa_operation* flushed = pa_stream_flush(m_stream, nullptr, nullptr);
            if (flushed != nullptr) {
                pa_operation_unref(flushed);
            }
        } else if (m_state == State::Alsa) {
            m_alsa->Play(nullptr);
        }
    }
    m_cue.reset();
    m_cue = std::make_shared<const Cue>(LoadWaveFile(path));
}

void PulseCuePlayer::play() {
    if (m_loop == nullptr || !m_cue) {
        return;
    }
    const Lock lock(m_loop);
    WaitForConnection();
    if (m_state == State::Alsa) {
        m_alsa->Play(m_cue);
    }
    if (m_state != State::Server) {
        return;
    }
    m_playing = m_cue;
    m_written = 0;
    if (m_cue->rate != m_streamRate) {
        OpenStream(m_cue->rate);  // the cue follows once the new stream is ready
        return;
    }
    // Restarting the open cue cuts off its own earlier playing.
    pa_operation* flushed = pa_stream_flush(m_stream, nullptr, nullptr);
    if (flushed != nullptr) {
        pa_operation_unref(flushed);
    }
    // All of it at once where the server's queue takes it; the write requests fetch any rest.
    WriteAll();
}

}  // namespace kletochka
