// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sdl_cue_player.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>

#include "window_errors.h"

namespace kletochka {

namespace {

constexpr int kChannel = 0;
constexpr int kRate = 44100;
constexpr int kFrames = 512;  // 384 would be ~3 ms sooner but underran with SDL2_mixer on a busy machine

bool OpenDevice() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    if (Mix_OpenAudioDevice(kRate, AUDIO_S16SYS, 2, kFrames, nullptr, 0) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

}  // namespace

SdlCuePlayer::SdlCuePlayer() {
    // A truncated sound file is an error, not a shorter sound.
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "verystrict");
    // Otherwise SDL turns SIGTERM into an event nobody reads, and logging out or kill leaves the game running.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    m_audible = OpenDevice();
    if (!m_audible) {
        std::fprintf(stderr, "kletochka: no sound device (%s); playing silently\n", SDL_GetError());
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        m_deviceOpen = OpenDevice();
    } else {
        m_deviceOpen = true;
    }
    if (m_deviceOpen) {
        Mix_AllocateChannels(1);
    }
}

SdlCuePlayer::~SdlCuePlayer() {
    close();
    if (m_deviceOpen) {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

void SdlCuePlayer::close() {
    if (m_chunk != nullptr) {
        if (m_deviceOpen) {
            Mix_HaltChannel(kChannel);
        }
        Mix_FreeChunk(m_chunk);
        m_chunk = nullptr;
    }
}

void SdlCuePlayer::open(const QString& path) {
    close();
    // Opening the file first gives "Couldn't open <file>" for a missing one.
    SDL_RWops* file = SDL_RWFromFile(path.toLocal8Bit().constData(), "rb");
    if (file == nullptr) {
        throw SoundError(SDL_GetError());
    }
    if (!m_deviceOpen) {
        SDL_RWclose(file);
        throw SoundError("No sound device could be opened");
    }
    m_chunk = Mix_LoadWAV_RW(file, 1);
    if (m_chunk == nullptr) {
        throw SoundError(Mix_GetError());
    }
}

void SdlCuePlayer::play() {
    if (m_chunk != nullptr) {
        Mix_PlayChannel(kChannel, m_chunk, 0);
    }
}

}  // namespace kletochka
