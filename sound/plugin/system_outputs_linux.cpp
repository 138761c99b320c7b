// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cerrno>
#include <cstdio>

#include "alsa_output.h"
#include "pulse_output.h"
#include "sound/plugin/cue_output.h"

namespace kletochka {

namespace {

class LinuxOutputs : public CueOutputs {
  public:
    std::unique_ptr<CueOutput> ConnectServer(ServerListener& listener) override {
        return PulseOutput::Connect(listener);
    }

    std::unique_ptr<CueOutput> OpenDevice() override {
        std::unique_ptr<AlsaOutput> device = AlsaOutput::Open();
        if (!device) {
            // The window shows no error for this; whoever started it from a terminal learns why.
            std::fprintf(
                stderr, "%s: no sound device (no sound server, no ALSA output); playing silently\n",
                program_invocation_short_name);
        }
        return device;
    }
};

}  // namespace

std::unique_ptr<CueOutputs> SystemOutputs() {
    return std::make_unique<LinuxOutputs>();
}

}  // namespace kletochka
