// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <exception>
#include <functional>
#include <vector>

namespace kletochka {

// The text of the error box: the message, with a "." added when its last
// character comes after "." in code order.
QString ErrorBoxText(const QString& message);

// The application: classic look, the title from the executable's name, and
// the one place where an error that a handler lets through becomes a message
// box: its event dispatch, once the event that ran the handler is delivered.
// The program then goes on.
class Application : public QApplication {
    Q_OBJECT
  public:
    // Shows (text, caption); the default is a modal stop box with an OK button.
    using ErrorPresenter = std::function<void(const QString& text, const QString& caption)>;

    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Takes the error of a handler that ran for an event, to show once that event
    // is delivered: Qt's widget code is built without exceptions, so a handler's
    // error is caught before it gets there. Outside any event's delivery (or
    // without an Application) nothing would show it, so it is thrown on.
    static void handlerFailed(std::exception_ptr error);
    static void setErrorPresenter(ErrorPresenter presenter);

  private:
    int m_delivering = 0;                      // events being delivered, nested
    std::vector<std::exception_ptr> m_failed;  // not shown yet, in the order they came
};

}  // namespace kletochka
