// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "cue_player.h"

namespace kletochka {

// Plays wave files through SDL's audio queue: one cue at a time, the next one
// clearing whatever is still queued. The audio device is opened once, early,
// so the first cue is not late; without a usable device it falls back to
// SDL's silent driver and still loads and "plays" every file.
class SdlCuePlayer : public CuePlayer {
  public:
    SdlCuePlayer();
    SdlCuePlayer(const SdlCuePlayer&) = delete;
    SdlCuePlayer& operator=(const SdlCuePlayer&) = delete;
    ~SdlCuePlayer() override;

    void open(const QString& path) override;
    void play() override;

    // Whether sound reaches a real device rather than the silent driver.
    bool audible() const { return m_audible; }

  private:
    void close();

    std::uint32_t m_device = 0;       // 0: none open
    std::vector<std::uint8_t> m_cue;  // the open file's sound in the device's format
    bool m_audible = false;
};

}  // namespace kletochka
