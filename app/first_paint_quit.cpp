// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "first_paint_quit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace kletochka {

namespace {

// Watches the whole application: a widget of the window may paint before the window itself.
class FirstPaintQuit : public QObject {
  public:
    explicit FirstPaintQuit(QWidget& window) : QObject(&window), m_window(window) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == &m_window) {
            m_seen = true;
            // Queued, so the paint and its flush to the screen finish first.
            QTimer::singleShot(0, this, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("first-paint-ns %lld\n", now.tv_sec * 1000000000LL + now.tv_nsec);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QWidget& m_window;
    bool m_seen = false;
};

}  // namespace

void QuitAfterFirstPaintIfAsked(QWidget& window) {
    if (qEnvironmentVariableIsSet("KLETOCHKA_QUIT_AFTER_FIRST_PAINT")) {
        QCoreApplication::instance()->installEventFilter(new FirstPaintQuit(window));
    }
}

}  // namespace kletochka
