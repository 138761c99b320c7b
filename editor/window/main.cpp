// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLocale>
#include <QTranslator>

#include "editor/window/editor_window.h"
#include "widgets/qt_translations.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("kletochka"));
    QApplication::setApplicationName(QStringLiteral("kletochka-editor"));
    QApplication::setDesktopFileName(QStringLiteral("kletochka-editor"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kletochka-editor.png")));

    // Russian on a Russian system, English otherwise; Qt's own dialogs follow where translated.
    QTranslator own;
    if (own.load(QLocale(), QStringLiteral("kletochka-editor"), QStringLiteral("_"),
                 QStringLiteral(":/i18n"))) {
        QApplication::installTranslator(&own);
    }
    const auto qt = kletochka::InstallQtTranslations();
    QApplication::setApplicationDisplayName(kletochka::editor::EditorName());

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Writes and checks the questions of a game bank."));
    parser.addHelpOption();
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QCoreApplication::translate("main", "A .qb bank, or an .xlsx or .csv table, to open."),
        QStringLiteral("[file]"));
    parser.process(app);

    // Decided once, here: a portable folder keeps the settings beside the program.
    kletochka::editor::EditorWindow window(
        kletochka::editor::MakeSystemDialogs(),
        kletochka::editor::SettingsPlace::ForProgramIn(QCoreApplication::applicationDirPath()));
    window.show();
    if (!parser.positionalArguments().isEmpty()) {
        window.openFile(parser.positionalArguments().constFirst());
    }
    return QApplication::exec();
}
