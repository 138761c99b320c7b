// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media_files.h"

#include "sound/cue_rate.h"

namespace kletochka::test {

namespace {

void U16(std::string& bytes, std::uint32_t v) {
    bytes += static_cast<char>(v & 0xFF);
    bytes += static_cast<char>((v >> 8) & 0xFF);
}
void U32(std::string& bytes, std::uint32_t v) {
    U16(bytes, v & 0xFFFF);
    U16(bytes, v >> 16);
}

}  // namespace

std::string Wave(std::uint32_t frames, std::uint32_t claimed, std::uint16_t formatTag) {
    std::string bytes = "RIFF";
    U32(bytes, 36 + claimed);
    bytes += "WAVEfmt ";
    U32(bytes, 16);
    U16(bytes, formatTag);
    U16(bytes, 1);
    U32(bytes, kCueRate);
    U32(bytes, kCueRate * 2);
    U16(bytes, 2);
    U16(bytes, 16);
    bytes += "data";
    U32(bytes, claimed);
    bytes += std::string(frames * 2, '\x10');
    return bytes;
}

std::string PcmWave(std::uint32_t rate, std::uint16_t bits, std::uint16_t channels,
                    std::uint32_t frames) {
    std::string data;
    for (std::uint32_t f = 0; f < frames; ++f) {
        for (std::uint32_t c = 0; c < channels; ++c) {
            const std::uint32_t level = f * 97 + c * 31;
            data += static_cast<char>(level & 0xFF);
            if (bits == 16) {
                data += static_cast<char>((level >> 8) & 0xFF);
            }
        }
    }
    const std::uint32_t block = channels * bits / 8u;
    std::string bytes = "RIFF";
    U32(bytes, static_cast<std::uint32_t>(36 + data.size()));
    bytes += "WAVEfmt ";
    U32(bytes, 16);
    U16(bytes, 1);
    U16(bytes, channels);
    U32(bytes, rate);
    U32(bytes, rate * block);
    U16(bytes, block);
    U16(bytes, bits);
    bytes += "data";
    U32(bytes, static_cast<std::uint32_t>(data.size()));
    return bytes + data;
}

std::string SolidBitmap(int bits, QColor color) {
    constexpr std::uint32_t kWidth = 4, kHeight = 3;
    const auto b = static_cast<std::uint32_t>(bits);
    const std::uint32_t stride = (kWidth * b + 31) / 32 * 4;
    const std::uint32_t colours = bits <= 8 ? 1u << b : 0;
    std::string palette;
    for (std::uint32_t i = 0; i < colours; ++i) {
        // Only the last entry is the colour, so a decoder that misreads indices shows black.
        const bool last = i + 1 == colours;
        palette += static_cast<char>(last ? color.blue() : 0);
        palette += static_cast<char>(last ? color.green() : 0);
        palette += static_cast<char>(last ? color.red() : 0);
        palette += '\0';
    }
    std::string row;
    if (bits <= 8) {
        // Every pixel the last index: all bits set.
        row.assign((kWidth * b + 7) / 8, '\xFF');
    } else {
        for (std::uint32_t x = 0; x < kWidth; ++x) {
            row += static_cast<char>(color.blue());
            row += static_cast<char>(color.green());
            row += static_cast<char>(color.red());
            if (bits == 32)
                row += '\0';
        }
    }
    row.resize(stride, '\0');
    const std::uint32_t offset = 14 + 40 + static_cast<std::uint32_t>(palette.size());
    std::string bytes = "BM";
    U32(bytes, offset + stride * kHeight);
    U32(bytes, 0);
    U32(bytes, offset);
    U32(bytes, 40);
    U32(bytes, kWidth);
    U32(bytes, kHeight);
    U16(bytes, 1);
    U16(bytes, b);
    U32(bytes, 0);  // uncompressed
    U32(bytes, stride * kHeight);
    U32(bytes, 2835);
    U32(bytes, 2835);
    U32(bytes, colours);
    U32(bytes, 0);
    bytes += palette;
    for (std::uint32_t y = 0; y < kHeight; ++y)
        bytes += row;
    return bytes;
}

}  // namespace kletochka::test
