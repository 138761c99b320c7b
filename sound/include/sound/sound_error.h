// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "bank/error.h"

namespace kletochka {

// A sound file that the player cannot open; the message is the sound library's,
// or one of those below, which the wave check and the decoder share.
class SoundError : public Error {
  public:
    using Error::Error;

    static SoundError CannotOpen(const QString& path);
    static SoundError CannotRead(const QString& path);
    static SoundError NotAWave();
    static SoundError FormatCutShort();
    static SoundError NoFormat();
    static SoundError DataCutShort();
    static SoundError NoSound();
};

}  // namespace kletochka
