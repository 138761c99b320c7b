// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/sound_library.h"

#include <QLibrary>
#include <string>
#include <utility>

#include "sound/sound_error.h"
#include "sound/wave_header.h"

namespace kletochka {

namespace {

std::shared_ptr<CuePlayer> Load(const QString& path) {
    QLibrary library(path);
    // Symbols resolved lazily and kept to the library (QLibrary's default), and never
    // unloaded: the player's threads and the libraries behind it live as long as the program.
    library.setLoadHints(QLibrary::PreventUnloadHint);
    if (!library.load()) {
        throw SoundError("The sound library cannot be loaded: " +
                         library.errorString().toStdString());
    }
    auto entry =
        reinterpret_cast<SoundLibraryPlayer::Entry>(library.resolve(SoundLibraryPlayer::kEntry));
    if (entry == nullptr) {
        throw SoundError("The sound library " + path.toStdString() + " is not the game's own.");
    }
    return std::shared_ptr<CuePlayer>(entry());
}

}  // namespace

QString SoundLibraryPlayer::RelativePath() {
    return QStringLiteral(KLETOCHKA_SOUND_PLUGIN);
}

SoundLibraryPlayer::SoundLibraryPlayer(QString libraryPath)
    : m_libraryPath(std::move(libraryPath)) {}

void SoundLibraryPlayer::prepare() {
    if (!m_loading.valid()) {
        m_loading = std::async(std::launch::async, Load, m_libraryPath).share();
    }
}

CuePlayer& SoundLibraryPlayer::player() {
    prepare();
    return *m_loading.get();
}

void SoundLibraryPlayer::open(const QString& path) {
    m_pathWaitingForLibrary.clear();
    if (!m_loading.valid()) {
        CheckWaveFile(path);
        m_pathWaitingForLibrary = path;
        return;
    }
    player().open(path);
}

void SoundLibraryPlayer::play() {
    CuePlayer& loaded = player();
    if (!m_pathWaitingForLibrary.isEmpty()) {
        loaded.open(std::exchange(m_pathWaitingForLibrary, {}));
    }
    loaded.play();
}

}  // namespace kletochka
