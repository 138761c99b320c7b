// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/sound_library.h"

#include <dlfcn.h>

#include <string>
#include <utility>

#include "sound/sound_error.h"
#include "sound/wave_header.h"

namespace kletochka {

namespace {

std::shared_ptr<CuePlayer> Load(const std::string& path) {
    // Never closed: the player's threads and the libraries behind it live as
    // long as the program.
    void* library = dlopen(path.c_str(), RTLD_LAZY | RTLD_LOCAL);
    if (library == nullptr) {
        throw SoundError("The sound library cannot be loaded: " + std::string(dlerror()));
    }
    auto entry =
        reinterpret_cast<SoundLibraryPlayer::Entry>(dlsym(library, SoundLibraryPlayer::kEntry));
    if (entry == nullptr) {
        throw SoundError("The sound library " + path + " is not the game's own.");
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
        m_loading = std::async(std::launch::async, Load, m_libraryPath.toStdString()).share();
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
