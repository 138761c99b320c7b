// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/wave_header.h"

#include <QFile>
#include <cstdint>
#include <cstring>

#include "sound/sound_error.h"

namespace kletochka {

namespace {

constexpr qint64 kChunkHeader = 8;
constexpr qint64 kFormatSize = 16;  // the smallest format chunk: PCM's

std::uint32_t LittleEndian32(const char* at) {
    const auto* b = reinterpret_cast<const unsigned char*>(at);
    return b[0] | b[1] << 8 | b[2] << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

}  // namespace

void CheckWaveFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw SoundError::CannotOpen(path);
    }
    // Only the chunk headers are read: the sound itself is the decoder's.
    const qint64 size = file.size();
    char head[12];
    if (file.read(head, 12) != 12 || std::memcmp(head, "RIFF", 4) != 0 ||
        std::memcmp(head + 8, "WAVE", 4) != 0) {
        throw SoundError::NotAWave();
    }
    bool format = false;
    for (qint64 at = 12; at + kChunkHeader <= size;) {
        char id[kChunkHeader];
        if (!file.seek(at) || file.read(id, kChunkHeader) != kChunkHeader) {
            throw SoundError::CannotRead(path);
        }
        const qint64 length = LittleEndian32(id + 4);
        const qint64 body = at + kChunkHeader;
        if (std::memcmp(id, "fmt ", 4) == 0) {
            if (length < kFormatSize || body + length > size) {
                throw SoundError::FormatCutShort();
            }
            format = true;
        } else if (std::memcmp(id, "data", 4) == 0) {
            if (!format) {
                throw SoundError::NoFormat();
            }
            if (body + length > size) {
                throw SoundError::DataCutShort();
            }
            if (length == 0) {
                throw SoundError::NoSound();
            }
            return;
        }
        // Chunks are padded to an even length.
        at = body + length + (length & 1);
    }
    throw format ? SoundError::NoSound() : SoundError::NoFormat();
}

}  // namespace kletochka
