// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/window/field_edit.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QValidator>
#include <algorithm>
#include <utility>

#include "editor/window/field_rules.h"

namespace kletochka::editor {

// QLineEdit consults its validator on every change, typed, pasted, dropped or
// composed, so this one place sees them all.
class FieldEdit::Validator : public QValidator {
  public:
    explicit Validator(FieldEdit* field) : QValidator(field), m_field(field) {}

    State validate(QString& input, int& pos) const override {
        const QString oneLine = OneLine(input);
        // Composed, so that "и" and a combining breve are the "й" the code page holds.
        const QString line = oneLine.normalized(QString::NormalizationForm_C);
        if (const auto reason = FieldRefusal(line)) {
            m_field->m_fix = FixRefused(m_field->m_accepted, line);
            emit m_field->refused(*reason);
            return Invalid;
        }
        if (line != input) {
            const auto composedAway = static_cast<int>(oneLine.size() - line.size());
            pos = std::clamp(pos - composedAway, 0, static_cast<int>(line.size()));
            input = line;
        }
        return Acceptable;
    }

  private:
    FieldEdit* m_field;
};

namespace {

bool IsHistoryKey(QKeyEvent* key) {
    return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo);
}

}  // namespace

FieldEdit::FieldEdit(QWidget* parent) : QLineEdit(parent) {
    setValidator(new Validator(this));
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_accepted = text;
        m_fix.reset();
        if (!m_showing) {
            emit edited(text);
        }
    });
}

void FieldEdit::showText(const QString& text) {
    if (text == this->text()) {
        return;
    }
    m_showing = true;
    setText(text);
    m_showing = false;
}

void FieldEdit::applyFix() {
    if (!m_fix) {
        return;
    }
    const FieldFix fix = *std::exchange(m_fix, std::nullopt);
    // As typed: the window hears of it as of any other edit.
    setText(fix.text);
    setCursorPosition(fix.cursor);
}

bool FieldEdit::event(QEvent* event) {
    // Undo and redo go to the window's actions, which act on the whole bank.
    if (event->type() == QEvent::ShortcutOverride && IsHistoryKey(static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
}

void FieldEdit::keyPressEvent(QKeyEvent* event) {
    if (IsHistoryKey(event)) {
        event->ignore();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void FieldEdit::contextMenuEvent(QContextMenuEvent* event) {
    // The field's own undo would bypass the bank's history; the Edit menu has the real one.
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    for (QAction* action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-undo") ||
            action->objectName() == QLatin1String("edit-redo")) {
            menu->removeAction(action);
        }
    }
    menu->exec(event->globalPos());
}

}  // namespace kletochka::editor
