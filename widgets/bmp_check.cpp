// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/bmp_check.h"

namespace kletochka {

namespace {

constexpr std::size_t kFileHeader = 14;
constexpr std::int64_t kMaxSide = 16384;
constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3, kAlphaBitfields = 6;

std::uint32_t U16(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint32_t{b[at]} | std::uint32_t{b[at + 1]} << 8;
}
std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
    return U16(b, at) | U16(b, at + 2) << 16;
}

}  // namespace

bool IsWholeBitmap(std::span<const std::uint8_t> file) {
    if (file.size() < kFileHeader + 12 || file[0] != 'B' || file[1] != 'M') {
        return false;
    }
    const std::uint32_t dataOffset = U32(file, 10);
    const std::uint32_t infoSize = U32(file, kFileHeader);
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t bits = 0;
    std::uint32_t compression = kRgb;
    if (infoSize == 12) {  // the old OS/2 header
        width = U16(file, kFileHeader + 4);
        height = static_cast<std::int16_t>(U16(file, kFileHeader + 6));
        bits = U16(file, kFileHeader + 10);
    } else if (infoSize >= 40 && file.size() >= kFileHeader + 40) {
        width = static_cast<std::int32_t>(U32(file, kFileHeader + 4));
        height = static_cast<std::int32_t>(U32(file, kFileHeader + 8));
        bits = U16(file, kFileHeader + 14);
        compression = U32(file, kFileHeader + 16);
    } else {
        return false;
    }
    if (height < 0) {
        height = -height;  // a top-down bitmap
    }
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) {
        return false;
    }
    if (dataOffset < kFileHeader + infoSize || dataOffset >= file.size()) {
        return false;
    }
    const std::size_t available = file.size() - dataOffset;
    switch (compression) {
        case kRgb:
        case kBitfields:
        case kAlphaBitfields: {
            if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
                return false;
            }
            const std::int64_t rowBytes = (width * bits + 31) / 32 * 4;
            return static_cast<std::int64_t>(available) >= rowBytes * height;
        }
        case kRle8:
        case kRle4:
            // Run-length data has no fixed size; the decoder stops at its end.
            return bits == (compression == kRle8 ? 8u : 4u);
        default:
            return false;
    }
}

}  // namespace kletochka
