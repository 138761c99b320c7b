// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for start-up: a bare window with as many plain widgets as the
// game's, in the same style, shown the same way, and nothing else.
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyleFactory>
#include <QWidget>

#include "first_paint_quit.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setStyle(QStyleFactory::create(QStringLiteral("Windows")));

    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    // The game's counts: 17 labels, 21 buttons, one panel.
    for (int i = 0; i < 17; ++i) {
        auto* label = new QLabel(QStringLiteral("Label %1").arg(i), &window);
        label->setGeometry(8 + (i % 6) * 160, 8 + (i / 6) * 48, 150, 40);
    }
    for (int i = 0; i < 21; ++i) {
        auto* button = new QPushButton(QString::number(i + 1), &window);
        button->setGeometry(8 + (i % 7) * 120, 200 + (i / 7) * 120, 110, 110);
    }
    auto* panel = new QFrame(&window);
    panel->setFrameShape(QFrame::Panel);
    panel->setGeometry(8, 580, 800, 80);

    kletochka::bench::QuitAfterFirstPaint(window);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        window.setGeometry(screen->geometry());
    }
    window.showFullScreen();
    window.activateWindow();
    return app.exec();
}
