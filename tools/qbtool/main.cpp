// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGuiApplication>
#include <iostream>

#include "qbtool/commands.h"

namespace {

// Qt's start-up chatter about a platform with no screen means nothing to a teacher.
void OnlyFatal(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::cerr << message.toStdString() << "\n";
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    // Text is measured with the window's fonts, but qbtool needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", KLETOCHKA_HEADLESS_PLATFORM);
    }
    const QtMessageHandler previous = qInstallMessageHandler(OnlyFatal);
    QGuiApplication app(argc, argv);
    qInstallMessageHandler(previous);
    kletochka::qbtool::Console io{std::cout, std::cerr};
    return kletochka::qbtool::RunQbtool(QCoreApplication::arguments(), io);
}
