// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sdl_cue_player.h"

#include <SDL.h>

#include <cstdio>
#include <memory>

#include "window_errors.h"

namespace kletochka {

namespace {

// The cues are CD-rate wave files: at this format they need no conversion.
constexpr int kRate = 44100;
constexpr SDL_AudioFormat kFormat = AUDIO_S16SYS;
constexpr Uint8 kChannels = 2;
// 8.7 ms: a cue sounds ~12 ms after the click (15.5 at 512 frames); 256 underran on a busy machine.
constexpr Uint16 kFrames = 384;

SDL_AudioDeviceID OpenDevice() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return 0;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = kRate;
    wanted.format = kFormat;
    wanted.channels = kChannels;
    wanted.samples = kFrames;
    // No callback: the device plays what is queued and silence after it.
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (device == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return 0;
    }
    SDL_PauseAudioDevice(device, 0);
    return device;
}

// The whole sound of a wave file in the device's format; throws SoundError.
std::vector<Uint8> LoadCue(SDL_RWops* file) {
    SDL_AudioSpec spec{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV_RW(file, 1, &spec, &buffer, &length) == nullptr) {
        throw SoundError(SDL_GetError());
    }
    const std::unique_ptr<Uint8, decltype(&SDL_FreeWAV)> wave(buffer, SDL_FreeWAV);
    SDL_AudioCVT cvt;
    const int needed =
        SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, kFormat, kChannels, kRate);
    if (needed < 0) {
        throw SoundError(SDL_GetError());
    }
    std::vector<Uint8> cue(static_cast<std::size_t>(length) *
                           static_cast<std::size_t>(cvt.len_mult));
    SDL_memcpy(cue.data(), buffer, length);
    if (needed > 0) {
        cvt.buf = cue.data();
        cvt.len = static_cast<int>(length);
        if (SDL_ConvertAudio(&cvt) != 0) {
            throw SoundError(SDL_GetError());
        }
        cue.resize(static_cast<std::size_t>(cvt.len_cvt));
    } else {
        cue.resize(length);
    }
    return cue;
}

}  // namespace

SdlCuePlayer::SdlCuePlayer() {
    // A truncated sound file is an error, not a shorter sound.
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "verystrict");
    // Otherwise SDL turns SIGTERM into an event nobody reads, and logging out or kill leaves the
    // game running.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    m_device = OpenDevice();
    m_audible = m_device != 0;
    if (!m_audible) {
        std::fprintf(stderr, "kletochka: no sound device (%s); playing silently\n", SDL_GetError());
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        m_device = OpenDevice();
    }
}

SdlCuePlayer::~SdlCuePlayer() {
    if (m_device != 0) {
        SDL_CloseAudioDevice(m_device);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

void SdlCuePlayer::close() {
    if (!m_cue.empty() && m_device != 0) {
        SDL_ClearQueuedAudio(m_device);
    }
    m_cue.clear();
}

void SdlCuePlayer::open(const QString& path) {
    close();
    // Opening the file first gives "Couldn't open <file>" for a missing one.
    SDL_RWops* file = SDL_RWFromFile(path.toLocal8Bit().constData(), "rb");
    if (file == nullptr) {
        throw SoundError(SDL_GetError());
    }
    if (m_device == 0) {
        SDL_RWclose(file);
        throw SoundError("No sound device could be opened");
    }
    m_cue = LoadCue(file);
}

void SdlCuePlayer::play() {
    if (!m_cue.empty()) {
        // Whatever still sounds from an earlier play stops here.
        SDL_ClearQueuedAudio(m_device);
        SDL_QueueAudio(m_device, m_cue.data(), static_cast<Uint32>(m_cue.size()));
    }
}

}  // namespace kletochka
