// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>

#include "sound/cue_player.h"
#include "sound/plugin/cue_output.h"
#include "sound/plugin/wave_file.h"

namespace kletochka {

// Plays cues through the first output the system has: the sound server, else
// the sound device, else silence. The server is asked at once, and answers on
// a thread of its own, so the window never waits for it; the first cue waits
// only if the answer has not come by then. A server that refuses is given up
// for the device once; a server that goes away once cues went to it leaves
// silence. Each cue goes out whole: opening a file cuts off the cue before it,
// and playing the open file again starts it over.
class SystemCuePlayer : public CuePlayer, private ServerListener {
  public:
    explicit SystemCuePlayer(std::unique_ptr<CueOutputs> outputs);
    SystemCuePlayer(const SystemCuePlayer&) = delete;
    SystemCuePlayer& operator=(const SystemCuePlayer&) = delete;
    ~SystemCuePlayer() override;

    void open(const QString& path) override;
    void play() override;

    // Waits for the server's answer; whether cues reach a server or a device.
    bool Audible();

  private:
    enum class State { Connecting, Server, Device, Silent };

    // Called by the server's output, maybe on its thread.
    void ServerReady() override;
    void ServerLost() override;
    // Sends cues to `state`'s output from now on and wakes the cue waiting for it.
    void ChooseOutput(State state);
    // Where cues go now: null while connecting and when silent.
    CueOutput* CurrentOutput();
    // Where cues go once the server has answered: null when silent.
    CueOutput* ChosenOutput();

    std::unique_ptr<CueOutputs> m_outputs;
    std::mutex m_mutex;
    std::condition_variable m_chosen;
    State m_state = State::Connecting;    // guarded by m_mutex
    std::unique_ptr<CueOutput> m_device;  // set before m_state says Device
    std::unique_ptr<CueOutput> m_server;
    std::shared_ptr<const Cue> m_cue;  // the open file
};

}  // namespace kletochka
