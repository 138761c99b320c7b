// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <cstdio>

#include "sound/plugin/cue_output.h"
#include "waveout_output.h"

namespace kletochka {

namespace {

// The system mixes every program's sound itself: there is no server to connect to.
class WindowsOutputs : public CueOutputs {
  public:
    std::unique_ptr<CueOutput> ConnectServer(ServerListener&) override { return nullptr; }

    std::unique_ptr<CueOutput> OpenDevice() override {
        std::unique_ptr<WaveOutOutput> device = WaveOutOutput::Open();
        if (!device) {
            // The window shows no error for this; whoever started it from a console learns why.
            std::fprintf(stderr, "%s: no sound device (no waveOut output); playing silently\n",
                         qPrintable(QCoreApplication::applicationName()));
        }
        return device;
    }
};

}  // namespace

std::unique_ptr<CueOutputs> SystemOutputs() {
    return std::make_unique<WindowsOutputs>();
}

}  // namespace kletochka
