// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording_outputs.h"

#include <gtest/gtest.h>

namespace kletochka::test {

namespace {

class RecordingOutput : public CueOutput {
  public:
    RecordingOutput(std::vector<Sent>& sent, std::string name)
        : m_sent(sent), m_name(std::move(name)) {}

    void Play(std::shared_ptr<const Cue> cue) override {
        EXPECT_NE(cue, nullptr) << m_name << ": Play without a cue";
        m_sent.push_back({m_name, std::move(cue)});
    }
    void Stop() override { m_sent.push_back({m_name, nullptr}); }

  private:
    std::vector<Sent>& m_sent;
    std::string m_name;
};

class Recorded : public CueOutputs {
  public:
    Recorded(RecordingOutputs& outputs, ServerListener*& listener)
        : m_outputs(outputs), m_listener(listener) {}

    std::unique_ptr<CueOutput> ConnectServer(ServerListener& listener) override {
        if (!m_outputs.serverToTry) {
            return nullptr;
        }
        m_listener = &listener;
        return std::make_unique<RecordingOutput>(m_outputs.sent, "server");
    }
    std::unique_ptr<CueOutput> OpenDevice() override {
        ++m_outputs.devicesOpened;
        if (!m_outputs.deviceOpens) {
            return nullptr;
        }
        return std::make_unique<RecordingOutput>(m_outputs.sent, "device");
    }

  private:
    RecordingOutputs& m_outputs;
    ServerListener*& m_listener;
};

}  // namespace

std::unique_ptr<CueOutputs> RecordingOutputs::Outputs() {
    return std::make_unique<Recorded>(*this, m_listener);
}

void RecordingOutputs::ServerAnswers() {
    ASSERT_NE(m_listener, nullptr) << "no server was asked";
    m_listener->ServerReady();
}

void RecordingOutputs::ServerFails() {
    ASSERT_NE(m_listener, nullptr) << "no server was asked";
    m_listener->ServerLost();
}

std::vector<std::string> RecordingOutputs::Log() const {
    std::vector<std::string> lines;
    for (const Sent& s : sent) {
        lines.push_back(s.output + ": " +
                        (s.cue ? std::to_string(s.cue->Frames()) + " frames at " +
                                     std::to_string(s.cue->rate) + " Hz"
                               : std::string("stop")));
    }
    return lines;
}

std::vector<std::shared_ptr<const Cue>> RecordingOutputs::Played(const std::string& output) const {
    std::vector<std::shared_ptr<const Cue>> cues;
    for (const Sent& s : sent) {
        if (s.output == output && s.cue) {
            cues.push_back(s.cue);
        }
    }
    return cues;
}

}  // namespace kletochka::test
