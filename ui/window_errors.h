// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "error.h"

namespace kletochka {

// A sound file that the player cannot open; the message is the sound library's.
class SoundError : public Error {
  public:
    using Error::Error;
};

// A picture file that cannot be opened or is no valid bitmap.
class BitmapError : public Error {
  public:
    using Error::Error;
};

}  // namespace kletochka
