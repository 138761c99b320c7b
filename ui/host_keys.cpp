// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/host_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace kletochka {

namespace {

// Cyrillic keys, by the capital letter Qt reports for them.
constexpr int kCyrillicA = 0x0410;   // А, answer A in the Russian layout
constexpr int kCyrillicVe = 0x0412;  // В, answer B
constexpr int kCyrillicEs = 0x0421;  // С, answer C
constexpr int kCyrillicI = 0x0418;   // И, on the B key
constexpr int kCyrillicYa = 0x042F;  // Я, on the Z key
constexpr int kCyrillicYu = 0x042E;  // Ю, on the "." key

// Board cell of a keypad key, 7 8 9 / 4 5 6 / 1 2 3 from the top; 0 for none.
int KeypadCell(int key) {
    switch (key) {
        case Qt::Key_7:
        case Qt::Key_Home:
            return 1;
        case Qt::Key_8:
        case Qt::Key_Up:
            return 2;
        case Qt::Key_9:
        case Qt::Key_PageUp:
            return 3;
        case Qt::Key_4:
        case Qt::Key_Left:
            return 4;
        case Qt::Key_5:
        case Qt::Key_Clear:
            return 5;
        case Qt::Key_6:
        case Qt::Key_Right:
            return 6;
        case Qt::Key_1:
        case Qt::Key_End:
            return 7;
        case Qt::Key_2:
        case Qt::Key_Down:
            return 8;
        case Qt::Key_3:
        case Qt::Key_PageDown:
            return 9;
        default:
            return 0;
    }
}

}  // namespace

HostKey HostKeyOf(int key, Qt::KeyboardModifiers modifiers) {
    const Qt::KeyboardModifiers held =
        modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (key == Qt::Key_F5) {
        return {HostCommand::Nothing};
    }
    if (key == Qt::Key_Escape) {
        return {HostCommand::Unblank};
    }
    // F11, "full screen" in browsers: no clicker sends it, and no layout moves it.
    if (key == Qt::Key_F11 && !held) {
        return {HostCommand::Scale};
    }
    if (held == Qt::ControlModifier && (key == Qt::Key_Z || key == kCyrillicYa) &&
        !(modifiers & Qt::ShiftModifier)) {
        return {HostCommand::Undo};
    }
    if (held) {
        return {};
    }
    if (key == Qt::Key_Enter || key == Qt::Key_Return) {
        return {HostCommand::Confirm};
    }
    if (modifiers & Qt::KeypadModifier) {
        const int cell = KeypadCell(key);
        return cell != 0 ? HostKey{HostCommand::Cell, cell} : HostKey{};
    }
    switch (key) {
        case Qt::Key_Left:
            return {HostCommand::Crosses};
        case Qt::Key_Right:
            return {HostCommand::Noughts};
        case Qt::Key_A:
        case kCyrillicA:
            return {HostCommand::Answer, 1};
        case kCyrillicVe:
            return {HostCommand::Answer, 2};
        case Qt::Key_B:
        case kCyrillicI:
            return {HostCommand::AnswerOrBlank, 2};
        case Qt::Key_C:
        case kCyrillicEs:
            return {HostCommand::Answer, 3};
        case Qt::Key_PageDown:
            return {HostCommand::Confirm};
        case Qt::Key_PageUp:
        case Qt::Key_Backspace:
            return {HostCommand::Undo};
        case Qt::Key_Period:
        case kCyrillicYu:
            return {HostCommand::Blank};
        default:
            return {};
    }
}

KeyCatcher::KeyCatcher(QWidget* window, std::function<bool(const QKeyEvent&)> handle)
    : QObject(window), m_window(window), m_handle(std::move(handle)) {
    // On the application, since a control that ignores a key passes it to its
    // parents, and the scroll area among them takes the arrows and pages.
    qApp->installEventFilter(this);
}

KeyCatcher::~KeyCatcher() {
    qApp->removeEventFilter(this);
}

bool KeyCatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != m_window) {
        return false;
    }
    return m_handle(*static_cast<QKeyEvent*>(event));
}

}  // namespace kletochka
