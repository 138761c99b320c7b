// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/sound_error.h"

namespace kletochka {

SoundError SoundError::CannotOpen(const QString& path) {
    return SoundError("Couldn't open " + path.toStdString() + ".");
}

SoundError SoundError::CannotRead(const QString& path) {
    return SoundError("Couldn't read " + path.toStdString() + ".");
}

SoundError SoundError::NotAWave() {
    return SoundError("Not a wave file.");
}

SoundError SoundError::FormatCutShort() {
    return SoundError("The wave file's format is cut short.");
}

SoundError SoundError::NoFormat() {
    return SoundError("The wave file has no sound format.");
}

SoundError SoundError::DataCutShort() {
    return SoundError("The sound data is cut short.");
}

SoundError SoundError::NoSound() {
    return SoundError("The wave file holds no sound.");
}

}  // namespace kletochka
