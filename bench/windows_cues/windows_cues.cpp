// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Plays a cue five times, half a second apart, through the game's cue player
// (the waveOut output) and then through PlaySoundW, and prints when each call
// was made and how long it kept the caller, for matching against a recording
// of the sound output:
//   windows_cues <wave file> [waveout|playsound|both]
#include <windows.h>
// After windows.h, whose types it uses.
#include <mmsystem.h>

#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <string>

#include "sound/plugin/system_cue_player.h"

namespace {

constexpr int kPlays = 5;
constexpr int kApartMs = 500;

class Clock {
  public:
    Clock() {
        ::QueryPerformanceFrequency(&m_frequency);
        ::QueryPerformanceCounter(&m_start);
    }
    // Seconds since the program started.
    double now() const {
        LARGE_INTEGER t{};
        ::QueryPerformanceCounter(&t);
        return static_cast<double>(t.QuadPart - m_start.QuadPart) /
               static_cast<double>(m_frequency.QuadPart);
    }

  private:
    LARGE_INTEGER m_frequency{};
    LARGE_INTEGER m_start{};
};

// Calls play kPlays times, kApartMs apart from the first call, and prints each call.
template <typename Play>
void PlayFive(const char* way, const Clock& clock, Play&& play) {
    const double first = clock.now();
    for (int i = 0; i < kPlays; ++i) {
        const double due = first + i * kApartMs / 1000.0;
        while (clock.now() < due) {
            ::Sleep(1);
        }
        const double called = clock.now();
        const bool ok = play();
        const double returned = clock.now();
        std::printf("%s %d: called at %.4f s, returned after %.3f ms%s\n", way, i + 1, called,
                    (returned - called) * 1000.0, ok ? "" : ", refused");
        std::fflush(stdout);
    }
    // The last cue sounds out before the next way starts.
    ::Sleep(1500);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: windows_cues <wave file> [waveout|playsound|both]\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const std::string ways = argc > 2 ? argv[2] : "both";
    const Clock clock;

    if (ways == "waveout" || ways == "both") {
        const double made = clock.now();
        kletochka::SystemCuePlayer player(kletochka::SystemOutputs());
        player.open(path);
        std::printf("waveout: player made and cue loaded in %.3f ms, %s\n",
                    (clock.now() - made) * 1000.0, player.Audible() ? "audible" : "silent");
        PlayFive("waveout", clock, [&] {
            player.play();
            return true;
        });
    }
    if (ways == "playsound" || ways == "both") {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "windows_cues: cannot read %s\n", argv[1]);
            return 1;
        }
        // PlaySoundW reads the file's bytes from memory while it plays: they stay till the end.
        const QByteArray bytes = file.readAll();
        PlayFive("playsound", clock, [&] {
            return ::PlaySoundW(reinterpret_cast<LPCWSTR>(bytes.constData()), nullptr,
                                SND_MEMORY | SND_ASYNC | SND_NODEFAULT) != 0;
        });
        ::PlaySoundW(nullptr, nullptr, 0);
    }
    return 0;
}
