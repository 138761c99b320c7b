// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The cue player against outputs that record what reaches them: one cue at a
// time, the cut-off, the restart, and the choice of server, device or silence.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "media_files.h"
#include "recording_outputs.h"
#include "sound/cue_rate.h"
#include "sound/plugin/system_cue_player.h"
#include "sound/sound_error.h"
#include "temp_dir.h"

namespace kletochka {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::string AtCueRate(int frames) {
    return std::to_string(frames) + " frames at " + std::to_string(kCueRate) + " Hz";
}

class SystemCuePlayerTest : public ::testing::Test {
  protected:
    test::TempDir dir;
    test::RecordingOutputs outputs;
    std::unique_ptr<SystemCuePlayer> player;  // declared after the outputs it records into

    // Made at the first call, asking the server; it answers when the test says.
    SystemCuePlayer& Player() {
        if (!player) {
            player = std::make_unique<SystemCuePlayer>(outputs.Outputs());
        }
        return *player;
    }
    QString Path(const char* name) const { return QString::fromStdString((dir / name).string()); }
    // A mono wave at the cues' rate.
    QString Wave(const char* name, std::uint32_t frames) const {
        test::WriteFile(dir / name, test::Wave(frames, frames * 2));
        return Path(name);
    }
};

// What reaches the server once it has answered.

TEST_F(SystemCuePlayerTest, ANewCueCutsOffTheOneBefore) {
    Player();
    outputs.ServerAnswers();
    player->open(Wave("a.wav", 100));
    player->play();
    player->open(Wave("b.wav", 200));
    EXPECT_THAT(outputs.Log(),
                ElementsAre("server: stop", "server: " + AtCueRate(100), "server: stop"));
    player->play();
    EXPECT_EQ(outputs.Log().back(), "server: " + AtCueRate(200));
}

TEST_F(SystemCuePlayerTest, TheSameCueAgainStartsOverWhole) {
    Player();
    outputs.ServerAnswers();
    player->open(Wave("a.wav", 100));
    player->play();
    player->play();
    player->play();
    const std::string whole = "server: " + AtCueRate(100);
    EXPECT_THAT(outputs.Log(), ElementsAre("server: stop", whole, whole, whole));
    // The file is loaded once; each play hands the output the same cue again.
    const auto cues = outputs.Played("server");
    ASSERT_EQ(cues.size(), 3u);
    EXPECT_EQ(cues[1], cues[0]);
    EXPECT_EQ(cues[2], cues[0]);
}

TEST_F(SystemCuePlayerTest, GoodWaveLoadsAndPlaysAgainAndAgain) {
    Player();
    outputs.ServerAnswers();
    const QString good = Wave("ok.wav", 4410);
    test::WriteFile(dir / "bad.wav", "RIFF");
    std::vector<std::string> expected;
    for (int i = 0; i < 20; ++i) {
        ASSERT_NO_THROW(player->open(good)) << "open " << i + 1;
        player->play();
        expected.insert(expected.end(), {"server: stop", "server: " + AtCueRate(4410)});
        // A broken file cuts off the cue before it, plays nothing, and does
        // not spoil the next open of a good one.
        if (i % 5 == 4) {
            EXPECT_THROW(player->open(Path("bad.wav")), SoundError);
            player->play();
            expected.push_back("server: stop");
        }
    }
    EXPECT_EQ(outputs.Log(), expected);
}

// The sample the output gets for PcmWave's rising tone at frame f, channel c.
std::int16_t ToneSample(std::uint16_t bits, std::uint32_t f, std::uint32_t c) {
    const std::uint32_t level = f * 97 + c * 31;
    if (bits == 8) {
        return static_cast<std::int16_t>((static_cast<int>(level & 0xFF) - 128) * 256);
    }
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(level));
}

TEST_F(SystemCuePlayerTest, WavesOfOtherRatesAndLayoutsReachTheOutputInStereoAtTheirOwnRate) {
    Player();
    outputs.ServerAnswers();
    const struct {
        std::uint32_t rate;
        std::uint16_t bits, channels;
    } layouts[] = {{kCueRate, 16, 1}, {kCueRate, 16, 2}, {22050, 8, 1},
                   {48000, 16, 2},    {11025, 8, 2},     {8000, 16, 1}};
    for (const auto& layout : layouts) {
        SCOPED_TRACE(std::to_string(layout.rate) + "/" + std::to_string(layout.bits) + "/" +
                     std::to_string(layout.channels));
        test::WriteFile(dir / "cue.wav",
                        test::PcmWave(layout.rate, layout.bits, layout.channels, 3001));
        outputs.sent.clear();
        ASSERT_NO_THROW(player->open(Path("cue.wav")));
        player->play();
        player->play();
        const std::string cue = "server: 3001 frames at " + std::to_string(layout.rate) + " Hz";
        EXPECT_THAT(outputs.Log(), ElementsAre("server: stop", cue, cue));
        const auto played = outputs.Played("server");
        ASSERT_FALSE(played.empty());
        const Cue& sent = *played.back();
        ASSERT_EQ(sent.samples.size(), 3001u * Cue::kChannels);
        // One channel sounds on both sides; two keep their sides.
        for (std::uint32_t f : {0u, 5u, 3000u}) {
            EXPECT_EQ(sent.samples[2 * f], ToneSample(layout.bits, f, 0)) << f;
            EXPECT_EQ(sent.samples[2 * f + 1],
                      ToneSample(layout.bits, f, layout.channels == 2 ? 1 : 0))
                << f;
        }
    }
}

// The choice of output: the server, else the device, else silence.

TEST_F(SystemCuePlayerTest, ACueOpenedBeforeTheServerAnswersPlaysThereOnceItDoes) {
    Player();
    player->open(Wave("a.wav", 100));
    // Nothing was chosen yet, so nothing had to be cut off.
    EXPECT_THAT(outputs.sent, IsEmpty());
    outputs.ServerAnswers();
    player->play();
    EXPECT_THAT(outputs.Log(), ElementsAre("server: " + AtCueRate(100)));
    EXPECT_TRUE(player->Audible());
    EXPECT_EQ(outputs.devicesOpened, 0);
}

TEST_F(SystemCuePlayerTest, ARefusedServerIsGivenUpForTheDeviceOnce) {
    Player();
    // A refused connection is reported twice; an answer after it comes too late.
    outputs.ServerFails();
    outputs.ServerFails();
    outputs.ServerAnswers();
    EXPECT_EQ(outputs.devicesOpened, 1);
    EXPECT_TRUE(player->Audible());
    player->open(Wave("a.wav", 100));
    player->play();
    player->open(Wave("b.wav", 200));
    player->play();
    EXPECT_THAT(outputs.Log(), ElementsAre("device: stop", "device: " + AtCueRate(100),
                                           "device: stop", "device: " + AtCueRate(200)));
}

TEST_F(SystemCuePlayerTest, WithoutAServerToTryTheDeviceIsOpenedAtOnce) {
    outputs.serverToTry = false;
    Player();
    EXPECT_EQ(outputs.devicesOpened, 1);
    player->open(Wave("a.wav", 100));
    player->play();
    EXPECT_THAT(outputs.Log(), ElementsAre("device: stop", "device: " + AtCueRate(100)));
}

TEST_F(SystemCuePlayerTest, WithoutServerOrDeviceCuesPlaySilentlyAndFilesAreStillChecked) {
    outputs.deviceOpens = false;
    Player();
    outputs.ServerFails();
    EXPECT_EQ(outputs.devicesOpened, 1);
    EXPECT_FALSE(player->Audible());
    EXPECT_NO_THROW(player->open(Wave("a.wav", 100)));
    EXPECT_NO_THROW(player->play());
    EXPECT_THAT(outputs.sent, IsEmpty());
    test::WriteFile(dir / "cut.wav", test::Wave(100, 8820));
    try {
        player->open(Path("cut.wav"));
        ADD_FAILURE() << "a cut-short file opened";
    } catch (const SoundError& error) {
        EXPECT_STREQ(error.what(), "The sound data is cut short.");
    }
}

TEST_F(SystemCuePlayerTest, AServerThatGoesAwayLeavesSilenceNotTheDevice) {
    Player();
    outputs.ServerAnswers();
    player->open(Wave("a.wav", 100));
    player->play();
    outputs.ServerFails();
    EXPECT_FALSE(player->Audible());
    // Nor does a server that seems to come back take the cues again.
    outputs.ServerAnswers();
    player->open(Wave("b.wav", 200));
    player->play();
    EXPECT_THAT(outputs.Log(), ElementsAre("server: stop", "server: " + AtCueRate(100)));
    EXPECT_EQ(outputs.devicesOpened, 0);
}

}  // namespace
}  // namespace kletochka
