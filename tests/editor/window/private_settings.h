// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>
#include <QStandardPaths>

#include "temp_dir.h"
#include "widgets/file_path.h"

namespace kletochka::test {

// While it lives, this process keeps its user settings in a folder of its own: the
// tests run side by side in several processes, and none may see another's recent
// files, nor touch the person's own. (Windows keeps them in the registry, which
// this cannot move; its tests run in one process.)
class PrivateUserSettings {
  public:
    PrivateUserSettings() {
        for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
            QSettings::setPath(format, QSettings::UserScope, FromStdPath(m_dir.path()));
        }
    }
    PrivateUserSettings(const PrivateUserSettings&) = delete;
    PrivateUserSettings& operator=(const PrivateUserSettings&) = delete;
    ~PrivateUserSettings() {
        const QString usual =
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
            QSettings::setPath(format, QSettings::UserScope, usual);
        }
    }

  private:
    TempDir m_dir;
};

}  // namespace kletochka::test
