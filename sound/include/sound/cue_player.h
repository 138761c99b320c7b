// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kletochka {

// The window's one sound player. At most one cue sounds: opening a file stops
// and closes the one before it.
class CuePlayer {
  public:
    virtual ~CuePlayer() = default;
    // Loads the file, waiting; throws SoundError when it cannot be loaded.
    virtual void open(const QString& path) = 0;
    // Starts the open file from its beginning and returns at once; a failure is silent.
    virtual void play() = 0;
    // The window is on screen: the player may now get ready what its first cue needs.
    virtual void prepare() {}
};

}  // namespace kletochka
