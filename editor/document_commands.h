// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// BankDocument's undo commands, private to it: only the document's own sources include this.
#include <QUndoCommand>
#include <cstdint>

#include "bank/question_record.h"
#include "editor/bank_document.h"
#include "editor/field.h"

namespace kletochka::editor {

// A question's text changed; typing in one field merges into one command.
class BankDocument::SetTextCommand : public QUndoCommand {
  public:
    SetTextCommand(BankDocument& document, int round, int cell, Field field,
                   const ShortString& before, const ShortString& after, int typingRun);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

  private:
    BankDocument& m_document;
    int m_round;
    int m_cell;
    Field m_field;
    ShortString m_before;  // every byte, so undo gives back the file's own bytes
    ShortString m_after;
    int m_typingRun;
};

// A question's right answer changed.
class BankDocument::SetCorrectCommand : public QUndoCommand {
  public:
    SetCorrectCommand(BankDocument& document, int round, int cell, std::int32_t before,
                      std::int32_t after);

    void undo() override;
    void redo() override;

  private:
    BankDocument& m_document;
    int m_round;
    int m_cell;
    std::int32_t m_before;
    std::int32_t m_after;
};

}  // namespace kletochka::editor
