// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/window/settings_place.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace kletochka::editor {

SettingsPlace SettingsPlace::ForProgramIn(const QString& programFolder) {
    SettingsPlace place;
    const QFileInfo file(QDir(programFolder).filePath(QString::fromLatin1(kPortableSettingsName)));
    if (file.isFile()) {
        place.m_file = file.absoluteFilePath();
    }
    return place;
}

std::unique_ptr<QSettings> SettingsPlace::open() const {
    if (m_file.isEmpty()) {
        return std::make_unique<QSettings>();
    }
    return std::make_unique<QSettings>(m_file, QSettings::IniFormat);
}

}  // namespace kletochka::editor
