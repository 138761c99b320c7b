// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

class QSettings;

namespace kletochka::editor {

// The file that makes a program folder portable, beside the editor's executable.
inline constexpr char kPortableSettingsName[] = "kletochka-editor.ini";

// Where the editor keeps what it remembers between runs. A portable program
// folder carries its own: when kletochka-editor.ini lies beside the program,
// that file (INI format) holds everything and the editor writes no settings
// elsewhere. Otherwise they go to the system's place for a user's settings:
// the registry on Windows, ~/.config/kletochka/ on Linux.
class SettingsPlace {
  public:
    // The system's place.
    SettingsPlace() = default;
    // The portable file when programFolder has one, else the system's place.
    static SettingsPlace ForProgramIn(const QString& programFolder);

    // The portable file; empty for the system's place.
    const QString& file() const { return m_file; }
    std::unique_ptr<QSettings> open() const;

  private:
    QString m_file;
};

}  // namespace kletochka::editor
