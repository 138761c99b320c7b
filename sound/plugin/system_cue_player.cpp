// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/plugin/system_cue_player.h"

namespace kletochka {

namespace {

class NoCueOutputs : public CueOutputs {
  public:
    std::unique_ptr<CueOutput> ConnectServer(ServerListener&) override { return nullptr; }
    std::unique_ptr<CueOutput> OpenDevice() override { return nullptr; }
};

}  // namespace

std::unique_ptr<CueOutputs> NoOutputs() {
    return std::make_unique<NoCueOutputs>();
}

SystemCuePlayer::SystemCuePlayer(std::unique_ptr<CueOutputs> outputs)
    : m_outputs(std::move(outputs)) {
    // The server may answer before this returns, on its own thread: the
    // answer touches only the state and the device, never m_server.
    m_server = m_outputs->ConnectServer(*this);
    if (!m_server) {
        ServerLost();
    }
}

SystemCuePlayer::~SystemCuePlayer() {
    // The server's thread may be opening the device: it ends first.
    m_server.reset();
    m_device.reset();
}

void SystemCuePlayer::ServerReady() {
    const std::lock_guard lock(m_mutex);
    if (m_state == State::Connecting) {
        ChooseOutput(State::Server);
    }
}

void SystemCuePlayer::ServerLost() {
    const std::lock_guard lock(m_mutex);
    if (m_state == State::Connecting) {
        m_device = m_outputs->OpenDevice();
        ChooseOutput(m_device ? State::Device : State::Silent);
    } else if (m_state == State::Server) {
        ChooseOutput(State::Silent);
    }
}

void SystemCuePlayer::ChooseOutput(State state) {
    m_state = state;
    m_chosen.notify_all();
}

CueOutput* SystemCuePlayer::CurrentOutput() {
    const std::lock_guard lock(m_mutex);
    switch (m_state) {
        case State::Server:
            return m_server.get();
        case State::Device:
            return m_device.get();
        default:
            return nullptr;
    }
}

CueOutput* SystemCuePlayer::ChosenOutput() {
    {
        std::unique_lock lock(m_mutex);
        m_chosen.wait(lock, [this] { return m_state != State::Connecting; });
    }
    return CurrentOutput();
}

bool SystemCuePlayer::Audible() {
    return ChosenOutput() != nullptr;
}

// The outputs are called without m_mutex held: the server's output calls back
// into this player with its own lock held.
void SystemCuePlayer::open(const QString& path) {
    // Opening stops the cue before, even when the new file turns out bad.
    if (CueOutput* output = CurrentOutput()) {
        output->Stop();
    }
    m_cue.reset();
    m_cue = std::make_shared<const Cue>(LoadWaveFile(path));
}

void SystemCuePlayer::play() {
    if (!m_cue) {
        return;
    }
    if (CueOutput* output = ChosenOutput()) {
        output->Play(m_cue);
    }
}

}  // namespace kletochka
