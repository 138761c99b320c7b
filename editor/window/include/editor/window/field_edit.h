// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <optional>

#include "editor/window/field_fix.h"

namespace kletochka::editor {

// A one-line field of a question record: it takes only what the bank file can
// hold, says why when it refuses an edit, and leaves undo and redo to the
// bank's own history instead of keeping one of its own.
class FieldEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit FieldEdit(QWidget* parent = nullptr);

    // Shows text without it counting as an edit.
    void showText(const QString& text);
    // What the last refused edit can become with one click; nothing once the text changed.
    const std::optional<FieldFix>& fix() const { return m_fix; }
    // Takes that, as an edit.
    void applyFix();

  signals:
    // An edit was refused; reason names the character at fault and why.
    void refused(const QString& reason);
    // The person changed the text (not showText).
    void edited(const QString& text);

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    // Consulted on every change, it refuses and offers the fixes.
    class Validator;

    bool m_showing = false;
    QString m_accepted;  // the text before the edit being validated
    std::optional<FieldFix> m_fix;
};

}  // namespace kletochka::editor
