// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGuiApplication>

#include <cstdio>
#include <exception>

#include "application.h"
#include "first_paint_quit.h"
#include "main_window.h"
#include "platform.h"
#include "qt_translations.h"

int main(int argc, char* argv[]) {
    try {
        kletochka::Application app(argc, argv);
        const auto qtWords = kletochka::InstallQtTranslations();
        kletochka::TfrmMAin frmMAin(kletochka::RealPlatform());
        kletochka::QuitAfterFirstPaintIfAsked(frmMAin);
        frmMAin.ShowMaximised();
        return app.exec();
    } catch (const std::exception& error) {
        // Only a window that cannot be made at all ends up here.
        std::fprintf(stderr, "kletochka: %s\n", error.what());
        return 1;
    }
}
