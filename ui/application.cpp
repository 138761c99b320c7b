// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/application.h"

#include <QMessageBox>
#include <QStyleFactory>

#include "ui/paths.h"
#include "widgets/palette.h"

namespace kletochka {

namespace {

void ShowStopBox(const QString& text, const QString& caption) {
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok);
    box.exec();
}

Application::ErrorPresenter& Presenter() {
    static Application::ErrorPresenter presenter = ShowStopBox;
    return presenter;
}

}  // namespace

QString ErrorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.')) {
        return message + QLatin1Char('.');
    }
    return message;
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    setPalette(ClassicPalette());
    setApplicationDisplayName(AppTitleOf(applicationFilePath()));
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ReportError(error);
        return true;
    }
}

void Application::ReportError(const std::exception& error) {
    Presenter()(ErrorBoxText(QString::fromUtf8(error.what())), applicationDisplayName());
}

void Application::setErrorPresenter(ErrorPresenter presenter) {
    Presenter() = std::move(presenter);
}

}  // namespace kletochka
