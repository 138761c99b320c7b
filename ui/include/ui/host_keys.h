// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

namespace kletochka {

// What a key asks of the game. The window decides what it does at the moment.
enum class HostCommand {
    None,           // not the host's: the focused control gets it as before
    Nothing,        // a clicker's key that must not disturb the game (F5)
    Unblank,        // Esc: ends the black screen, and nothing else
    Crosses,        // the crosses' picture
    Noughts,        // the noughts' picture
    Cell,           // board cell `number`
    Answer,         // answer `number` of the moving side
    AnswerOrBlank,  // B: answer 2 while a question waits for its answer, else Blank
    Confirm,
    Undo,
    Blank,  // the black screen on or off
    Scale,  // the layout scaled up to the screen, or at its own size
};

struct HostKey {
    HostCommand command = HostCommand::None;
    int number = 0;  // the cell 1..9 or the answer 1..3
};

// The host's key map. Keypad keys are cells whether Num Lock is on or off.
HostKey HostKeyOf(int key, Qt::KeyboardModifiers modifiers);

// Hands a window's key presses to `handle` before its focused control sees
// them; what `handle` takes (returns true for) goes no further.
class KeyCatcher : public QObject {
  public:
    KeyCatcher(QWidget* window, std::function<bool(const QKeyEvent&)> handle);
    ~KeyCatcher() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* m_window;
    std::function<bool(const QKeyEvent&)> m_handle;
};

}  // namespace kletochka
