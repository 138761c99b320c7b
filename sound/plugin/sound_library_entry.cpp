// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The entry of "kletochka-sound.so", which the game loads while its window is made.
#include "sound/plugin/system_cue_player.h"

extern "C" kletochka::CuePlayer* kletochka_new_cue_player() {
    return new kletochka::SystemCuePlayer(kletochka::SystemOutputs());
}
