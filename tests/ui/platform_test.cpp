// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Paths and bitmap loading on their own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "address_limit.h"
#include "temp_dir.h"
#include "ui/paths.h"
#include "widgets/builtin_image.h"
#include "widgets/cell_bitmap.h"
#include "window_fixture.h"

namespace kletochka {
namespace {

using test::TempDir;
using test::WriteFile;

TEST(Paths, ExeDirCutsAtTheLastSlashOfEitherKind) {
    const std::pair<const char*, const char*> cases[] = {
        {"/opt/kletochka/kletochka", "/opt/kletochka"},
        {R"(C:\Games\Quiz\game.exe)", R"(C:\Games\Quiz)"},
        {R"(C:\Games/Quiz\sub/game.exe)", R"(C:\Games/Quiz\sub)"},
        {R"(/a\b)", "/a"},
        {"game", ""},
        {"/game", ""},
    };
    for (const auto& [path, dir] : cases) {
        EXPECT_EQ(ExeDirOf(path), QString(dir)) << path;
    }
    EXPECT_EQ(BesideExecutable("/opt/k", "good.wav"), "/opt/k/good.wav");
    EXPECT_EQ(BesideExecutable("C:\\Игры\\K", "good.wav"), "C:\\Игры\\K\\good.wav");
    EXPECT_EQ(BesideExecutable("C:\\Игры/K", "good.wav"), "C:\\Игры/K/good.wav");
}

TEST(Paths, TitleIsTheNameCutAtTheFirstDotWithTheRestLowered) {
    EXPECT_EQ(AppTitleOf("/usr/bin/kletochka"), "kletochka");
    EXPECT_EQ(AppTitleOf(R"(C:\X\TURNIR.Game.EXE)"), "Turnir");
    EXPECT_EQ(AppTitleOf("/x/ui_Tests"), "ui_tests");
}

QImage Solid(QSize size, QColor color, QImage::Format format) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image.convertToFormat(format);
}

std::string BmpBytes(const QImage& image) {
    TempDir dir;
    const QString path = QString::fromStdString((dir / "x.bmp").string());
    EXPECT_TRUE(image.save(path, "BMP"));
    return test::ReadFile(dir / "x.bmp");
}

class BitmapTest : public ::testing::Test {
  protected:
    TempDir dir;
};

TEST_F(BitmapTest, GoodBitmapsOfEveryDepthLoad) {
    const QImage::Format formats[] = {QImage::Format_Mono, QImage::Format_Indexed8,
                                      QImage::Format_RGB888, QImage::Format_ARGB32};
    for (QImage::Format format : formats) {
        WriteFile(dir / "ok.bmp", BmpBytes(Solid({30, 20}, Qt::black, format)));
        const QImage image = LoadCellBitmap(QString::fromStdString((dir / "ok.bmp").string()));
        EXPECT_EQ(image.size(), QSize(30, 20)) << format;
    }
}

// The address space the process has mapped now, in bytes.
TEST_F(BitmapTest, SmallPictureLoadsWithoutABigBuffer) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the address sanitizer maps address space of its own";
#endif
    WriteFile(dir / "ok.bmp", BmpBytes(Solid({30, 20}, Qt::black, QImage::Format_RGB888)));
    const QString path = QString::fromStdString((dir / "ok.bmp").string());
    LoadCellBitmap(path);  // the decoder maps what it needs on first use
    std::string failure;
    {
        const test::AddressSpaceLimit limit(32 * 1024 * 1024);
        if (!limit.active()) {
            GTEST_SKIP() << "this system cannot limit a process's address space";
        }
        try {
            LoadCellBitmap(path);
        } catch (const std::exception& e) {
            failure = e.what();
        }
    }
    EXPECT_EQ(failure, "");
}

TEST_F(BitmapTest, BareNameIsShownWithTheWorkingFolder) {
    const QString cwd = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(dir.path().string())));
    std::string message;
    try {
        LoadCellBitmap("zero.bmp");
    } catch (const BitmapError& e) {
        message = e.what();
    }
    QDir::setCurrent(cwd);
    EXPECT_EQ(message, "Cannot open file \"" + (dir / "zero.bmp").make_preferred().string() +
                           "\". " + test::SystemMessage(ENOENT).toStdString());
}

// Only the named format is tried: a JPEG is neither PNG nor BMP here, though
// Qt's plugins would read it.
TEST(BuiltInImage, ReadsTheNamedFormatOnly) {
    TempDir dir;
    const QString path = QString::fromStdString((dir / "picture").string());
    const QImage blue = Solid({8, 8}, Qt::blue, QImage::Format_RGB32);
    const struct {
        const char* savedAs;
        const char* readAs;
        bool read;
    } cases[] = {
        {"PNG", "png", true}, {"BMP", "bmp", true}, {"PNG", "bmp", false}, {"BMP", "png", false}};
    for (const auto& c : cases) {
        ASSERT_TRUE(blue.save(path, c.savedAs)) << c.savedAs;
        const QImage image = ReadBuiltInImage(path, c.readAs);
        EXPECT_EQ(!image.isNull(), c.read) << c.savedAs << " as " << c.readAs;
        if (c.read) {
            EXPECT_EQ(image.pixelColor(4, 4), QColor(Qt::blue)) << c.savedAs;
        }
    }
}

// Our own pictures load none of Qt's image plugins (nor libjpeg); an ordinary
// read loads them all to ask each whether it can. Each check runs in a fresh process.
TEST(BuiltInImage, LoadsNoImagePlugin) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const QString picture = QStringLiteral(":/crosses.bmp");
    EXPECT_EXIT(
        std::exit(!ReadBuiltInImage(picture, "bmp").isNull() && !test::ImagePluginLoaded() ? 0 : 1),
        ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(std::exit(!QImage(picture).isNull() && test::ImagePluginLoaded() ? 0 : 1),
                ::testing::ExitedWithCode(0), "");
}

using test::WindowTest;

TEST_F(WindowTest, FailedPictureKeepsTheCellsOldPicture) {
    TfrmMAin& w = Window();
    w.SetCellPicture(4, "empty.bmp");
    EXPECT_EQ(CellPictureColor(4), test::kEmptyColor);
    test::WriteFile(dir / "cross.bmp", "garbage");
    EXPECT_THROW(w.SetCellPicture(4, "cross.bmp"), BitmapError);
    EXPECT_EQ(CellPictureColor(4), test::kEmptyColor);
}

TEST_F(WindowTest, StartWithoutClickSoundShowsTheErrorAndGoesOn) {
    soundsMissing.insert("click.wav");
    TfrmMAin& w = Window();
    ASSERT_EQ(test::ShownErrors().size(), 1);
    EXPECT_EQ(test::ShownErrors()[0],
              QApplication::applicationDisplayName() + "|" + test::CannotOpenMessage("click.wav"));
    // Start-up went on: the default bank is loaded, the board empty, the title set.
    EXPECT_EQ(w.bank().record(1).question.view(), "Q1");
    EXPECT_EQ(w.game().cell(1), kEmptyCell);
    EXPECT_EQ(w.windowTitle(), "Турнир-клеточка");
}

// Both of the window's start-up steps run and show their errors, in order,
// before the window is made.
TEST_F(WindowTest, StartWithoutClickSoundOrDefaultBankShowsBothAndMakesTheWindow) {
    soundsMissing.insert("click.wav");
    std::filesystem::remove(dir / "default.qb");
    TfrmMAin& w = Window();
    const QString caption = QApplication::applicationDisplayName();
    EXPECT_EQ(test::ShownErrors(),
              (QStringList{caption + "|" + test::CannotOpenMessage("click.wav"),
                           caption + "|File not found."}));
    EXPECT_EQ(w.game().cell(1), kEmptyCell);
    EXPECT_EQ(w.game().TitleText(), "Турнир-клеточка");
}

}  // namespace
}  // namespace kletochka
