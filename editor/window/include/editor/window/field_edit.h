// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

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
    bool m_showing = false;
};

}  // namespace kletochka::editor
