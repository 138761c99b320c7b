// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <exception>
#include <functional>

namespace kletochka {

// The text of the error box: the message, with a "." added when its last
// character comes after "." in code order.
QString ErrorBoxText(const QString& message);

// The application: classic look, the title from the executable's name, and
// the one place where an error that a handler lets through becomes a message
// box, after which the program goes on.
class Application : public QApplication {
    Q_OBJECT
  public:
    // Shows (text, caption); the default is a modal stop box with an OK button.
    using ErrorPresenter = std::function<void(const QString& text, const QString& caption)>;

    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    static void ReportError(const std::exception& error);
    static void setErrorPresenter(ErrorPresenter presenter);
};

}  // namespace kletochka
