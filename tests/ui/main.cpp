// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "ui/application.h"
#include "window_fixture.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Widget tests never need a display, not even to be listed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", KLETOCHKA_HEADLESS_PLATFORM);
    kletochka::Application app(argc, argv);
    kletochka::Application::setErrorPresenter([](const QString& text, const QString& caption) {
        kletochka::test::ShownErrors() << caption + "|" + text;
    });
    return RUN_ALL_TESTS();
}
