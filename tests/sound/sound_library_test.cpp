// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sound library, loaded once the window is on screen: a click opened
// before that is checked without it and handed over at the first cue.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "media_files.h"
#include "sound/sound_error.h"
#include "sound/sound_library.h"
#include "temp_dir.h"

namespace kletochka {
namespace {

using ::testing::HasSubstr;

class SoundLibraryTest : public ::testing::Test {
  protected:
    test::TempDir dir;

    QString Path(const char* name) const { return QString::fromStdString((dir / name).string()); }
    QString File(const char* name, const std::string& bytes) const {
        test::WriteFile(dir / name, bytes);
        return Path(name);
    }
};

std::string SoundErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const SoundError& error) {
        return error.what();
    }
    return "no error";
}

TEST_F(SoundLibraryTest, BeforeLoadingFilesAreCheckedWithoutTheLibrary) {
    SoundLibraryPlayer player(Path("no-such-library.so"));
    EXPECT_NO_THROW(player.open(File("click.wav", test::GoodWave())));
    EXPECT_EQ(SoundErrorOf([&] { player.open(File("cut.wav", test::Wave(100, 8820))); }),
              "The sound data is cut short.");
    EXPECT_EQ(SoundErrorOf([&] { player.open(Path("missing.wav")); }),
              "Couldn't open " + Path("missing.wav").toStdString() + ".");

    // The library is first needed by a cue; its absence is said there, and at every cue after.
    player.open(Path("click.wav"));
    const std::string error = SoundErrorOf([&] { player.play(); });
    EXPECT_THAT(error, HasSubstr("The sound library cannot be loaded"));
    EXPECT_THAT(error, HasSubstr("no-such-library.so"));
    EXPECT_EQ(SoundErrorOf([&] { player.open(Path("click.wav")); }), error);
}

TEST_F(SoundLibraryTest, AFileThatIsNoLibraryIsNamedWithTheSystemsReason) {
    SoundLibraryPlayer player(File("broken-library.so", "this is not a shared library\n"));
    player.prepare();
    const std::string error = SoundErrorOf([&] { player.play(); });
    EXPECT_THAT(error, ::testing::StartsWith("The sound library cannot be loaded: "));
    EXPECT_THAT(error, HasSubstr("broken-library.so"));
    // The system's reason follows the name; its words depend on the system and the locale.
    EXPECT_GT(error.size(), std::string("The sound library cannot be loaded: ").size() +
                                Path("broken-library.so").toStdString().size() + 10);
}

TEST_F(SoundLibraryTest, TheLibrarysPlayerTakesOverTheCheckedFile) {
    SoundLibraryPlayer player(QStringLiteral(KLETOCHKA_SOUND_LIBRARY));
    player.open(File("click.wav", test::GoodWave()));
    player.prepare();
    // The checked file is opened by the library's player at the first cue.
    std::filesystem::remove(dir / "click.wav");
    EXPECT_EQ(SoundErrorOf([&] { player.play(); }),
              "Couldn't open " + Path("click.wav").toStdString() + ".");

    EXPECT_NO_THROW(player.open(File("good.wav", test::GoodWave())));
    EXPECT_NO_THROW(player.play());
    // What only the decoder can tell comes from inside the library as the same error.
    EXPECT_THAT(SoundErrorOf([&] { player.open(File("odd.wav", test::Wave(100, 200, 0xFF))); }),
                HasSubstr("Malformed 'fmt ' chunk"));
}

}  // namespace
}  // namespace kletochka
