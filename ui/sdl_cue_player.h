// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cue_player.h"

struct Mix_Chunk;

namespace kletochka {

// Plays cues through SDL_mixer on a single channel. The audio device is opened
// once, early, so the first cue is not late; without a usable device it falls
// back to SDL's silent driver and still loads and "plays" every file.
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

    Mix_Chunk* m_chunk = nullptr;
    bool m_deviceOpen = false;
    bool m_audible = false;
};

}  // namespace kletochka
