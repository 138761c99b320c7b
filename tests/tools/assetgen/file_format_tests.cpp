// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bmp_file.h"
#include "ico_file.h"
#include "wav_file.h"

#include <gtest/gtest.h>
#include <sndfile.h>
#include <QTemporaryDir>

#include <cstdint>

namespace assetgen {
namespace {

std::uint32_t u32(const QByteArray& b, int at) {
    return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8 |
           static_cast<std::uint8_t>(b[at + 2]) << 16 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 3])) << 24;
}

std::uint16_t u16(const QByteArray& b, int at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[at]) |
                                      static_cast<std::uint8_t>(b[at + 1]) << 8);
}

// Every pixel distinct, so a swapped channel, row or column shows.
QImage pattern(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            image.setPixel(x, y, qRgb(x * 4, y * 4, (x * 7 + y * 3) % 256));
        }
    }
    return image;
}

// Widths whose 24-bit rows need 0, 1, 2 and 3 bytes of padding.
class BmpWidthTest : public testing::TestWithParam<int> {};

TEST_P(BmpWidthTest, HeaderDeclares24BitUncompressedWithoutPalette) {
    const int w = GetParam();
    const QByteArray file = bmpFile24(pattern(w, 5));
    const int rowBytes = (w * 3 + 3) / 4 * 4;
    ASSERT_EQ(file.size(), 54 + rowBytes * 5);
    EXPECT_EQ(file.left(2), QByteArray("BM"));
    EXPECT_EQ(u32(file, 2), static_cast<std::uint32_t>(file.size()));
    EXPECT_EQ(u32(file, 10), 54U) << "pixels follow the headers directly: no palette";
    EXPECT_EQ(u32(file, 14), 40U);
    EXPECT_EQ(u32(file, 18), static_cast<std::uint32_t>(w));
    EXPECT_EQ(u32(file, 22), 5U) << "positive height: rows stored bottom-up";
    EXPECT_EQ(u16(file, 28), 24);
    EXPECT_EQ(u32(file, 30), 0U) << "no compression";
    EXPECT_EQ(u32(file, 46), 0U) << "no colours used";
}

TEST_P(BmpWidthTest, QtReadsBackEveryPixel) {
    const QImage original = pattern(GetParam(), 5);
    const QImage back =
        QImage::fromData(bmpFile24(original), "BMP").convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(back, original);
}

INSTANTIATE_TEST_SUITE_P(Widths, BmpWidthTest, testing::Values(4, 5, 6, 7, 53, 58));

TEST(IcoFile, Carries24BitColourAndAMaskFromAlpha) {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixel(0, 0, qRgba(255, 205, 2, 255));                  // top-left: opaque
    image.setPixel(31, 31, qRgba(155, 106, 8, kIcoAlphaCut));       // just opaque enough
    image.setPixel(9, 31, qRgba(119, 119, 119, kIcoAlphaCut - 1));  // just too faint

    const QByteArray ico = icoFile24(image);
    const int dib = 22;
    const int colourBytes = 32 * 96;
    const int maskBytes = 32 * 4;
    ASSERT_EQ(ico.size(), dib + 40 + colourBytes + maskBytes);
    EXPECT_EQ(u16(ico, 2), 1) << "icon, not cursor";
    EXPECT_EQ(u16(ico, 4), 1);
    EXPECT_EQ(static_cast<std::uint8_t>(ico[6]), 32);
    EXPECT_EQ(u16(ico, 12), 24);
    EXPECT_EQ(u32(ico, 14), static_cast<std::uint32_t>(40 + colourBytes + maskBytes));
    EXPECT_EQ(u32(ico, 18), static_cast<std::uint32_t>(dib));
    EXPECT_EQ(u32(ico, dib + 8), 64U) << "declared height covers colour and mask";
    EXPECT_EQ(u16(ico, dib + 14), 24);

    const int colour = dib + 40;
    const int mask = colour + colourBytes;
    // Row 0 of the picture is the last stored row; row 31 the first.
    const int topRowColour = colour + 31 * 96;
    EXPECT_EQ(static_cast<std::uint8_t>(ico[topRowColour]), 2);  // blue of (0,0)
    EXPECT_EQ(static_cast<std::uint8_t>(ico[topRowColour + 2]), 255);
    EXPECT_EQ(static_cast<std::uint8_t>(ico[mask + 31 * 4]) & 0x80, 0) << "(0,0) drawn";
    EXPECT_EQ(static_cast<std::uint8_t>(ico[mask + 3]) & 0x01, 0) << "(31,31) drawn";
    EXPECT_NE(static_cast<std::uint8_t>(ico[mask + 1]) & 0x40, 0) << "(9,31) masked";
    EXPECT_EQ(static_cast<std::uint8_t>(ico[colour + 9 * 3]), 0) << "masked pixels are black";
    EXPECT_NE(static_cast<std::uint8_t>(ico[mask + 31 * 4]) & 0x40, 0) << "(1,0) masked";
}

TEST(WavFile, WritesMono16BitPcmThatReadsBackAsWritten) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Samples cue{0.0F, 0.5F, -0.5F, 0.70795F, -1.5F};
    const QString path = dir.filePath("cue.wav");
    writeWav16(cue, path);

    const SoundFile back = readSound(path);
    EXPECT_EQ(back.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    EXPECT_EQ(back.sampleRate, 44100);
    EXPECT_EQ(back.channels, 1);
    ASSERT_EQ(back.samples.size(), cue.size());
    for (std::size_t i = 0; i + 1 < cue.size(); ++i) {
        EXPECT_NEAR(back.samples[i], cue[i], 2.0 / 32768) << "sample " << i;
    }
    EXPECT_NEAR(back.samples.back(), -1.0F, 1.0 / 32768) << "overload is clipped, not wrapped";
}

TEST(WavFile, UnwritablePathThrows) {
    EXPECT_THROW(writeWav16(Samples{0.1F}, "/nonexistent-folder/cue.wav"), std::runtime_error);
    EXPECT_THROW(writeBmp24(pattern(2, 2), "/nonexistent-folder/a.bmp"), std::runtime_error);
}

}  // namespace
}  // namespace assetgen
