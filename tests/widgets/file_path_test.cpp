// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <filesystem>
#include <fstream>
#include <type_traits>

#include "temp_dir.h"
#include "widgets/file_path.h"

namespace kletochka {
namespace {

// A teacher's folder: Cyrillic, guillemets and a character that no ANSI code page holds.
const char8_t kFolder[] = u8"Вопросы 5 «А» ✓";

TEST(FilePath, NamesOutsideTheAnsiCodePageSurviveBothWays) {
    const QString name = QString::fromUtf8("/школа/Вопросы 5 «А» ✓/урок.qb");
    const std::filesystem::path path = ToStdPath(name);
    EXPECT_EQ(path, std::filesystem::path(u8"/школа/Вопросы 5 «А» ✓/урок.qb"));
    EXPECT_EQ(path.filename(), std::filesystem::path(u8"урок.qb"));
    EXPECT_EQ(FromStdPath(path), name);
    EXPECT_EQ(FromStdPath(path.parent_path().filename()), QString::fromUtf8(kFolder));
}

TEST(FilePath, TheStandardLibraryAndQtReachTheSameFile) {
    test::TempDir dir;
    const QString folder = FromStdPath(dir.path()) + '/' + QString::fromUtf8(kFolder);
    ASSERT_TRUE(QDir().mkpath(folder));
    std::ofstream(ToStdPath(folder + "/урок.qb")) << "bank";
    QFile file(folder + "/урок.qb");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "bank");
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / kFolder));
    // Windows joins a listed name with "\\", which Qt takes as well.
    const QString listed =
        FromStdPath(std::filesystem::directory_iterator(dir.path() / kFolder)->path());
    EXPECT_EQ(QDir::fromNativeSeparators(listed), QDir::fromNativeSeparators(folder + "/урок.qb"));
}

TEST(FilePath, ALoneSurrogateBecomesTheReplacementCharacterAsInQt) {
    const QString name = QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b.qb");
    EXPECT_EQ(ToStdPath(name), std::filesystem::path(u8"a\uFFFDb.qb"));
}

// Linux names are bytes: the helpers must spell them exactly as Qt's own file access does.
TEST(FilePath, OnLinuxTheBytesAreQtsOwn) {
    if constexpr (!std::is_same_v<std::filesystem::path::value_type, char>) {
        GTEST_SKIP() << "names here are not bytes";
    } else {
        const QString name = QString::fromUtf8("/школа/Вопросы 5 «А» ✓/урок.qb");
        EXPECT_EQ(ToStdPath(name).native(), QFile::encodeName(name).toStdString());
        const QString lone = QStringLiteral("a") + QChar(0xDC00) + QStringLiteral("b.qb");
        EXPECT_EQ(ToStdPath(lone).native(), QFile::encodeName(lone).toStdString());
        const std::filesystem::path notUtf8("/tmp/\xFF\xC0.qb");
        EXPECT_EQ(FromStdPath(notUtf8), QFile::decodeName(QByteArray("/tmp/\xFF\xC0.qb")));
    }
}

}  // namespace
}  // namespace kletochka
