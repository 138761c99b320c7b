// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The entry of the sound plug-in (kletochka-sound.so or .dll), which the game loads while its
// window is made.
#include <QtGlobal>

#include "sound/plugin/system_cue_player.h"

// Exported by name on every system: a Windows DLL exports nothing it is not told to once any
// of its code asks for an export.
extern "C" Q_DECL_EXPORT kletochka::CuePlayer* kletochka_new_cue_player() {
    return new kletochka::SystemCuePlayer(kletochka::SystemOutputs());
}
