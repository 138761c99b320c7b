// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pulse_output.h"

#include <pulse/pulseaudio.h>

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

std::unique_ptr<PulseOutput> PulseOutput::Connect(ServerListener& listener) {
    pa_threaded_mainloop* loop = pa_threaded_mainloop_new();
    if (loop == nullptr) {
        return nullptr;
    }
    if (pa_threaded_mainloop_start(loop) != 0) {
        pa_threaded_mainloop_free(loop);
        return nullptr;
    }
    std::unique_ptr<PulseOutput> output(new PulseOutput(listener, loop));
    // Even reading the client's configuration is left to the loop's thread.
    const Lock lock(loop);
    pa_mainloop_api_once(pa_threaded_mainloop_get_api(loop), &PulseOutput::StartConnecting,
                         output.get());
    return output;
}

PulseOutput::PulseOutput(ServerListener& listener, pa_threaded_mainloop* loop)
    : m_listener(listener), m_loop(loop) {}

PulseOutput::~PulseOutput() {
    {
        const Lock lock(m_loop);
        CloseStream();
        if (m_context != nullptr) {
            pa_context_set_state_callback(m_context, nullptr, nullptr);
            pa_context_disconnect(m_context);
            pa_context_unref(m_context);
        }
    }
    pa_threaded_mainloop_stop(m_loop);
    pa_threaded_mainloop_free(m_loop);
}

void PulseOutput::StartConnecting(pa_mainloop_api* api, void* self) {
    auto* output = static_cast<PulseOutput*>(self);
    output->m_context = pa_context_new(api, "kletochka");
    if (output->m_context == nullptr) {
        output->m_listener.ServerLost();
        return;
    }
    pa_context_set_state_callback(output->m_context, &PulseOutput::ContextChanged, output);
    // A refused connect reports the failure through the state callback too.
    if (pa_context_connect(output->m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        output->m_listener.ServerLost();
    }
}

void PulseOutput::ContextChanged(pa_context* context, void* self) {
    auto* output = static_cast<PulseOutput*>(self);
    switch (pa_context_get_state(context)) {
        case PA_CONTEXT_READY:
            output->OpenStream(kCueRate);
            break;
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            output->m_listener.ServerLost();
            break;
        default:
            break;
    }
}

void PulseOutput::CloseStream() {
    if (m_stream != nullptr) {
        pa_stream_set_state_callback(m_stream, nullptr, nullptr);
        pa_stream_set_write_callback(m_stream, nullptr, nullptr);
        pa_stream_disconnect(m_stream);
        pa_stream_unref(m_stream);
        m_stream = nullptr;
    }
    m_streamReady = false;
}

void PulseOutput::OpenStream(int rate) {
    CloseStream();
    m_streamRate = rate;
    // The stream keeps the file's rate: a rate the server converts on the way
    // would carry the end of one cue into the start of the next.
    const pa_sample_spec format{PA_SAMPLE_S16NE, static_cast<std::uint32_t>(rate), Cue::kChannels};
    m_stream = pa_stream_new(m_context, "cues", &format, nullptr);
    if (m_stream == nullptr) {
        m_listener.ServerLost();
        return;
    }
    pa_stream_set_state_callback(m_stream, &PulseOutput::StreamChanged, this);
    pa_stream_set_write_callback(m_stream, &PulseOutput::StreamWants, this);
    // A cue starts as soon as its first frame arrives and may be far longer than the target.
    pa_buffer_attr attr{};
    attr.maxlength = static_cast<std::uint32_t>(-1);
    attr.tlength = kTargetBytes;
    attr.prebuf = kFrameBytes;
    attr.minreq = static_cast<std::uint32_t>(-1);
    attr.fragsize = static_cast<std::uint32_t>(-1);
    if (pa_stream_connect_playback(m_stream, nullptr, &attr, PA_STREAM_ADJUST_LATENCY, nullptr,
                                   nullptr) < 0) {
        m_listener.ServerLost();
    }
}

void PulseOutput::StreamChanged(pa_stream* stream, void* self) {
    auto* output = static_cast<PulseOutput*>(self);
    switch (pa_stream_get_state(stream)) {
        case PA_STREAM_READY:
            output->m_streamReady = true;
            if (!output->m_toldReady) {
                output->m_toldReady = true;
                output->m_listener.ServerReady();
            }
            // A cue that asked for a stream at its rate goes out now.
            output->WriteAll();
            break;
        case PA_STREAM_FAILED:
        case PA_STREAM_TERMINATED:
            output->m_listener.ServerLost();
            break;
        default:
            break;
    }
}

void PulseOutput::StreamWants(pa_stream*, std::size_t bytes, void* self) {
    static_cast<PulseOutput*>(self)->WriteMore(bytes);
}

void PulseOutput::Flush() {
    if (!m_streamReady) {
        return;
    }
    pa_operation* flushed = pa_stream_flush(m_stream, nullptr, nullptr);
    if (flushed != nullptr) {
        pa_operation_unref(flushed);
    }
}

void PulseOutput::WriteAll() {
    if (!m_streamReady) {
        return;
    }
    const pa_buffer_attr* attr = pa_stream_get_buffer_attr(m_stream);
    WriteMore(attr != nullptr ? attr->maxlength / 2 : kTargetBytes);
}

void PulseOutput::WriteMore(std::size_t bytes) {
    if (!m_streamReady) {
        return;
    }
    const std::span<const std::int16_t> next = m_cursor.Next(bytes / kFrameBytes);
    if (next.empty()) {
        return;
    }
    if (pa_stream_write(m_stream, next.data(), next.size_bytes(), nullptr, 0, PA_SEEK_RELATIVE) <
        0) {
        m_cursor.Restart(nullptr);
        return;
    }
    m_cursor.Advance(next.size() / Cue::kChannels);
}

void PulseOutput::Stop() {
    const Lock lock(m_loop);
    m_cursor.Restart(nullptr);
    Flush();
}

void PulseOutput::Play(std::shared_ptr<const Cue> cue) {
    const Lock lock(m_loop);
    const int rate = cue->rate;
    m_cursor.Restart(std::move(cue));
    if (rate != m_streamRate) {
        OpenStream(rate);  // the cue follows once the new stream is ready
        return;
    }
    // Restarting the open cue cuts off its own earlier playing.
    Flush();
    // All of it at once where the server's queue takes it; the write requests fetch any rest.
    WriteAll();
}

}  // namespace kletochka
