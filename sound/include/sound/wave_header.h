// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kletochka {

// Checks a wave file's chunks as a sound device's open does: the RIFF form, a
// format chunk, then a data chunk that the file holds whole. Throws SoundError
// when the file cannot be opened or fails one of these. Decoding the sound is
// left to the sound library; this needs none, so the window can check its
// click while that library is not yet loaded.
void CheckWaveFile(const QString& path);

}  // namespace kletochka
