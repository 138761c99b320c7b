// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bank/error.h"

namespace kletochka {

// A sound file that the player cannot open; the message is the sound library's.
class SoundError : public Error {
  public:
    using Error::Error;
};

}  // namespace kletochka
