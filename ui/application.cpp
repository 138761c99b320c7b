// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/application.h"

#include <QMessageBox>
#include <QScopedValueRollback>
#include <QStyleFactory>
#include <utility>

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

void ShowError(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& shown) {
        Presenter()(ErrorBoxText(QString::fromUtf8(shown.what())),
                    QApplication::applicationDisplayName());
    }
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
    bool handled = true;
    {
        const QScopedValueRollback delivering(m_delivering, m_delivering + 1);
        try {
            handled = QApplication::notify(receiver, event);
        } catch (const std::exception&) {
            // Thrown through Qt's code rather than handed over: shown all the same.
            m_failed.push_back(std::current_exception());
        }
    }
    // A box opened here delivers events of its own; they show only their own errors.
    for (const std::exception_ptr& error : std::exchange(m_failed, {})) {
        ShowError(error);
    }
    return handled;
}

void Application::handlerFailed(std::exception_ptr error) {
    auto* app = qobject_cast<Application*>(QCoreApplication::instance());
    if (app == nullptr || app->m_delivering == 0) {
        std::rethrow_exception(error);
    }
    app->m_failed.push_back(std::move(error));
}

void Application::setErrorPresenter(ErrorPresenter presenter) {
    Presenter() = std::move(presenter);
}

}  // namespace kletochka
