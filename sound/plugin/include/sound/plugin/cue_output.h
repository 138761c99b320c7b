// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "sound/plugin/wave_file.h"

namespace kletochka {

// Where cues sound: the sound server's stream or a sound device. One cue
// sounds at a time; neither call waits for the sound.
class CueOutput {
  public:
    virtual ~CueOutput() = default;
    // Cuts off what sounds and starts `cue` from its first frame, at its own rate.
    virtual void Play(std::shared_ptr<const Cue> cue) = 0;
    // Cuts off what sounds.
    virtual void Stop() = 0;
};

// What the sound server's output tells its player, from the output's own thread.
class ServerListener {
  public:
    virtual ~ServerListener() = default;
    // Cues can go to the server from now on.
    virtual void ServerReady() = 0;
    // The server refused the connection or went away; may be told more than once.
    virtual void ServerLost() = 0;
};

// The outputs a system offers, in the order a player tries them.
class CueOutputs {
  public:
    virtual ~CueOutputs() = default;
    // Starts connecting to the sound server and returns at once; `listener`
    // hears how it went. Null when there is no server to try.
    virtual std::unique_ptr<CueOutput> ConnectServer(ServerListener& listener) = 0;
    // The sound device, for when no server answers; null when there is none.
    virtual std::unique_ptr<CueOutput> OpenDevice() = 0;
};

// This system's outputs: the sound server, then the default sound device.
std::unique_ptr<CueOutputs> SystemOutputs();
// No outputs at all: cues play silently, though every file is still loaded.
std::unique_ptr<CueOutputs> NoOutputs();

}  // namespace kletochka
