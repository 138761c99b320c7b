// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform.h"

#include <QCoreApplication>

#include "cell_bitmap.h"
#include "pulse_cue_player.h"
#include "question_file_dialog.h"

namespace kletochka {

WindowPlatform RealPlatform() {
    WindowPlatform platform;
    platform.sound = std::make_unique<PulseCuePlayer>();
    platform.dialog = std::make_unique<QtQuestionFileDialog>();
    platform.executablePath = QCoreApplication::applicationFilePath();
    platform.loadBitmap = LoadCellBitmap;
    platform.terminate = [] { QCoreApplication::exit(0); };
    return platform;
}

}  // namespace kletochka
