// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/run_game.h"

#include <cstdio>
#include <exception>

#include "ui/application.h"
#include "ui/main_window.h"
#include "ui/platform.h"
#include "widgets/qt_translations.h"

namespace kletochka {

int RunGame(int argc, char* argv[], const std::function<void(QWidget&)>& beforeShow) {
    try {
        Application app(argc, argv);
        const auto qtWords = InstallQtTranslations();
        TfrmMAin frmMAin(RealPlatform());
        if (beforeShow) {
            beforeShow(frmMAin);
        }
        frmMAin.showOnPrimaryScreen();
        return app.exec();
    } catch (const std::exception& error) {
        // Only a window that cannot be made at all ends up here.
        std::fprintf(stderr, "kletochka: %s\n", error.what());
        return 1;
    }
}

}  // namespace kletochka
