// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "sound/plugin/cue_cursor.h"
#include "sound/plugin/cue_output.h"

struct pa_threaded_mainloop;
struct pa_mainloop_api;
struct pa_context;
struct pa_stream;

namespace kletochka {

// A stream on the sound server (PulseAudio, or PipeWire serving its protocol).
// Each cue goes to the server whole, so nothing here has to wake up in time
// while it sounds, and a flush cuts it off. The connection is made on the
// client library's own thread, which also tells the listener how it went.
class PulseOutput : public CueOutput {
  public:
    // Null when the client library's thread cannot start.
    static std::unique_ptr<PulseOutput> Connect(ServerListener& listener);
    PulseOutput(const PulseOutput&) = delete;
    PulseOutput& operator=(const PulseOutput&) = delete;
    ~PulseOutput() override;

    void Play(std::shared_ptr<const Cue> cue) override;
    void Stop() override;

  private:
    PulseOutput(ServerListener& listener, pa_threaded_mainloop* loop);

    static void StartConnecting(pa_mainloop_api* api, void* self);
    static void ContextChanged(pa_context* context, void* self);
    static void StreamChanged(pa_stream* stream, void* self);
    static void StreamWants(pa_stream* stream, std::size_t bytes, void* self);
    // These run with the main loop locked.
    void OpenStream(int rate);
    void CloseStream();
    // Drops what the server holds of the stream; nothing before it is ready.
    void Flush();
    void WriteAll();
    void WriteMore(std::size_t bytes);

    ServerListener& m_listener;
    pa_threaded_mainloop* m_loop;
    pa_context* m_context = nullptr;
    pa_stream* m_stream = nullptr;
    CueCursor m_cursor;  // what the server still wants of the playing cue
    int m_streamRate = 0;
    bool m_streamReady = false;
    bool m_toldReady = false;
};

}  // namespace kletochka
