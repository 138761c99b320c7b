// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <future>
#include <memory>

#include "sound/cue_player.h"

namespace kletochka {

// The cue player lives in a library of its own in the program folder,
// "plugins/kletochka-sound.so", which brings the sound server's client, ALSA and
// libsndfile with its codecs: a dozen shared libraries that the first frame
// does not need, and whose loading slows that frame even from another thread.
// So it is loaded in the background once the window is on screen (prepare), or
// at the first cue before that. A file opened earlier, the click the window
// opens while it is made, is checked without the library (CheckWaveFile), and
// handed to the player when it comes.
class SoundLibraryPlayer : public CuePlayer {
  public:
    // The library's path relative to the program folder.
    static QString RelativePath();
    // The library's one entry: a new player on the system's output.
    static constexpr const char* kEntry = "kletochka_new_cue_player";
    using Entry = CuePlayer* (*)();

    explicit SoundLibraryPlayer(QString libraryPath);

    // Throw SoundError when the library cannot be loaded, as for the file.
    void open(const QString& path) override;
    void play() override;
    void prepare() override;

  private:
    // Waits for the loading; a failed one throws its error at every call.
    CuePlayer& player();

    QString m_libraryPath;
    std::shared_future<std::shared_ptr<CuePlayer>> m_loading;
    QString m_pathWaitingForLibrary;  // opened and checked before the library was there
};

}  // namespace kletochka
