// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "first_paint_quit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <set>
#include <string>

namespace kletochka::bench {

namespace {

// The shared libraries the process has mapped, by file name.
std::set<std::string> MappedLibraries() {
    std::set<std::string> names;
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);) {
        const std::size_t slash = line.rfind('/');
        if (slash != std::string::npos && line.find(".so", slash) != std::string::npos) {
            names.insert(line.substr(slash + 1));
        }
    }
    return names;
}

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
                const std::set<std::string> libraries = MappedLibraries();
                std::printf("first-paint-libs %zu", libraries.size());
                for (const std::string& name : libraries) {
                    std::printf(" %s", name.c_str());
                }
                std::printf("\n");
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

void QuitAfterFirstPaint(QWidget& window) {
    QCoreApplication::instance()->installEventFilter(new FirstPaintQuit(window));
}

}  // namespace kletochka::bench
