// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "sound/sound_library.h"
#include "ui/question_file_dialog.h"
#include "widgets/cell_bitmap.h"

namespace kletochka {

WindowPlatform RealPlatform() {
    return RealPlatform(QCoreApplication::applicationFilePath());
}

WindowPlatform RealPlatform(const QString& executablePath) {
    WindowPlatform platform;
    platform.sound = std::make_unique<SoundLibraryPlayer>(
        QFileInfo(executablePath).dir().filePath(SoundLibraryPlayer::RelativePath()));
    platform.dialog = std::make_unique<QtQuestionFileDialog>();
    platform.executablePath = executablePath;
    platform.loadBitmap = LoadCellBitmap;
    platform.terminate = [] { QCoreApplication::exit(0); };
    return platform;
}

}  // namespace kletochka
