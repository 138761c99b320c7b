// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "sound/plugin/cue_output.h"

namespace kletochka::test {

// One call that reached an output: a cue to play, or null for a cut-off alone.
struct Sent {
    std::string output;  // "server" or "device"
    std::shared_ptr<const Cue> cue;
};

// A system's outputs that record what reaches them; the test gives the
// server's answer. Must outlive the player that is given Outputs().
class RecordingOutputs {
  public:
    bool serverToTry = true;  // false: no server client at all
    bool deviceOpens = true;
    int devicesOpened = 0;
    std::vector<Sent> sent;

    std::unique_ptr<CueOutputs> Outputs();
    // The server's thread, as the test drives it.
    void ServerAnswers();
    void ServerFails();

    // What was sent, one line each: "server: stop", "device: 100 frames at 44100 Hz".
    std::vector<std::string> Log() const;
    // The cues that reached `output`, in order.
    std::vector<std::shared_ptr<const Cue>> Played(const std::string& output) const;

  private:
    ServerListener* m_listener = nullptr;
};

}  // namespace kletochka::test
