// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A portable program folder keeps the editor's settings in itself and nowhere else.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "bank_files.h"
#include "editor/window/editor_window.h"
#include "editor/window/settings_place.h"
#include "fake_dialogs.h"
#include "private_settings.h"
#include "temp_dir.h"

namespace kletochka::editor {
namespace {

namespace fs = std::filesystem;

QString Path(const fs::path& path) {
    return QString::fromStdString(path.string());
}

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The files the window's recent menu offers, as it shows them.
QStringList RecentOffered(EditorWindow& window) {
    auto* menu = window.findChild<QMenu*>(QStringLiteral("recentFiles"));
    EXPECT_NE(menu, nullptr);
    if (menu == nullptr) {
        return {};
    }
    emit menu->aboutToShow();
    QStringList offered;
    for (const QAction* action : menu->actions()) {
        if (action->isEnabled()) {
            offered << action->text();
        }
    }
    return offered;
}

class PortableSettings : public ::testing::Test {
  protected:
    kletochka::test::TempDir dir;
    test::FakeDialogs::Log log;

    kletochka::test::PrivateUserSettings systemPlace;

    static void SetUpTestSuite() { QStandardPaths::setTestModeEnabled(true); }
};

TEST_F(PortableSettings, OnlyAFileOfThatNameBesideTheProgramMakesItPortable) {
    EXPECT_TRUE(SettingsPlace::ForProgramIn(Path(dir.path())).file().isEmpty());
    fs::create_directory(dir / kPortableSettingsName);
    EXPECT_TRUE(SettingsPlace::ForProgramIn(Path(dir.path())).file().isEmpty())
        << "a folder of that name";
    fs::remove(dir / kPortableSettingsName);
    kletochka::test::WriteFile(dir / "kletochka-editor.conf", "");
    EXPECT_TRUE(SettingsPlace::ForProgramIn(Path(dir.path())).file().isEmpty());

    kletochka::test::WriteFile(dir / kPortableSettingsName, "");
    const SettingsPlace place = SettingsPlace::ForProgramIn(Path(dir.path()));
    EXPECT_TRUE(QFileInfo(place.file()).isAbsolute()) << place.file().toStdString();
    EXPECT_EQ(place.file(), QDir(Path(dir.path())).absoluteFilePath(kPortableSettingsName));
    EXPECT_EQ(place.open()->format(), QSettings::IniFormat);
    EXPECT_EQ(SettingsPlace().open()->format(), QSettings::NativeFormat);
}

TEST_F(PortableSettings, RecentFilesLiveInTheFolderAndTheSystemsPlaceIsUntouched) {
    const fs::path program = dir / "program";
    fs::create_directory(program);
    kletochka::test::WriteFile(program / kPortableSettingsName, "");
    kletochka::test::WriteFile(dir / "b.qb",
                               kletochka::test::BankBytes(kletochka::test::NumberedRecords()));
    const QVariant systemBefore = QSettings().value(QStringLiteral("recentFiles"));
    const SettingsPlace place = SettingsPlace::ForProgramIn(Path(program));

    {
        EditorWindow window(std::make_unique<test::FakeDialogs>(log), place);
        ASSERT_TRUE(window.openFile(Path(dir / "b.qb")));
    }
    const QString bank = QFileInfo(Path(dir / "b.qb")).absoluteFilePath();
    EXPECT_EQ(QSettings(place.file(), QSettings::IniFormat)
                  .value(QStringLiteral("recentFiles"))
                  .toStringList(),
              QStringList{bank});
    EXPECT_EQ(QSettings().value(QStringLiteral("recentFiles")), systemBefore);
    EXPECT_EQ(Names(program), std::vector<std::string>{kPortableSettingsName});

    // The next run from the same folder offers it again.
    EditorWindow again(std::make_unique<test::FakeDialogs>(log), place);
    EXPECT_EQ(RecentOffered(again), QStringList{QDir::toNativeSeparators(bank)});
}

}  // namespace
}  // namespace kletochka::editor
