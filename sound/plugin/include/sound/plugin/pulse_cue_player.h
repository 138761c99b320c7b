// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "sound/cue_player.h"
#include "sound/plugin/alsa_output.h"
#include "sound/plugin/wave_file.h"

struct pa_threaded_mainloop;
struct pa_mainloop_api;
struct pa_context;
struct pa_stream;

namespace kletochka {

// Plays cues through the sound server (PulseAudio, or PipeWire serving its
// protocol): each cue goes to the server whole, so nothing here has to wake up
// in time while it sounds, and a flush cuts it off. The connection is made on
// the client library's own thread, so the window never waits for it; without
// a server the cues go to ALSA, and without any output they play silently.
class PulseCuePlayer : public CuePlayer {
  public:
    enum class Output { System, Silent };

    explicit PulseCuePlayer(Output output = Output::System);
    PulseCuePlayer(const PulseCuePlayer&) = delete;
    PulseCuePlayer& operator=(const PulseCuePlayer&) = delete;
    ~PulseCuePlayer() override;

    void open(const QString& path) override;
    void play() override;

    // Waits for the connection; whether cues reach a server or a card.
    bool audible();

  private:
    enum class State { Connecting, Server, Alsa, Silent };

    static void Connect(pa_mainloop_api* api, void* self);
    static void ContextChanged(pa_context* context, void* self);
    static void StreamChanged(pa_stream* stream, void* self);
    static void StreamWants(pa_stream* stream, std::size_t bytes, void* self);
    // These run with the main loop locked.
    void OpenStream(int rate);
    void Settle(State state);
    // The server went away: ALSA while connecting, silence once cues went to the server.
    void Lost();
    void Fallback();
    void WriteAll();
    void WriteMore(std::size_t bytes);
    void WaitForConnection();

    pa_threaded_mainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
    pa_stream* m_stream = nullptr;
    State m_state = State::Silent;
    std::shared_ptr<const Cue> m_cue;      // the open file
    std::shared_ptr<const Cue> m_playing;  // what the server still wants more of
    std::size_t m_written = 0;             // bytes of m_playing sent
    int m_streamRate = 0;
    bool m_streamReady = false;
    std::unique_ptr<AlsaOutput> m_alsa;
};

}  // namespace kletochka
