// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The application's error box: its text, and when a handler's error reaches it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <stdexcept>

#include "qstring_printing.h"
#include "ui/application.h"
#include "window_fixture.h"

namespace kletochka {
namespace {

TEST(ErrorBox, AddsAFullStopOnlyAfterCharactersPastIt) {
    EXPECT_EQ(ErrorBoxText("File not found"), "File not found.");
    EXPECT_EQ(ErrorBoxText("Done."), "Done.");
    EXPECT_EQ(ErrorBoxText("I/O error 32"), "I/O error 32.");
    EXPECT_EQ(ErrorBoxText("Oops!"), "Oops!");  // "!" comes before "."
    EXPECT_EQ(ErrorBoxText("(x)"), "(x)");      // so does ")"
    EXPECT_EQ(ErrorBoxText("Нет файла"), "Нет файла.");
    EXPECT_EQ(ErrorBoxText(""), "");
}

// Runs two failing handlers for every event it gets, as the window runs its handlers.
class TwoFailingHandlers : public QObject {
  public:
    QStringList shownWhileHandling;

  protected:
    bool event(QEvent*) override {
        for (const char* message : {"First", "Second"}) {
            try {
                throw std::runtime_error(message);
            } catch (const std::exception&) {
                Application::handlerFailed(std::current_exception());
            }
            shownWhileHandling << test::ShownErrors();
        }
        return true;
    }
};

QString Box(const QString& text) {
    return QApplication::applicationDisplayName() + "|" + text;
}

TEST(ErrorBox, ShowsEachHandlersErrorInTurnOnceTheEventIsDelivered) {
    test::ShownErrors().clear();
    TwoFailingHandlers receiver;
    QEvent event(QEvent::User);
    EXPECT_TRUE(QCoreApplication::sendEvent(&receiver, &event));
    EXPECT_TRUE(receiver.shownWhileHandling.isEmpty());
    EXPECT_EQ(test::ShownErrors(), (QStringList{Box("First."), Box("Second.")}));

    // Shown once: the next event shows nothing more.
    test::ShownErrors().clear();
    QObject quiet;
    QEvent another(QEvent::User);
    QCoreApplication::sendEvent(&quiet, &another);
    EXPECT_TRUE(test::ShownErrors().isEmpty());
}

TEST(ErrorBox, AnErrorOutsideAnyEventIsThrownOnNotLost) {
    test::ShownErrors().clear();
    EXPECT_THROW(
        Application::handlerFailed(std::make_exception_ptr(std::runtime_error("no event"))),
        std::runtime_error);
    EXPECT_TRUE(test::ShownErrors().isEmpty());
}

}  // namespace
}  // namespace kletochka
