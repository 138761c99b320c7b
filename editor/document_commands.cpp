// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document_commands.h"

#include <cstring>

namespace kletochka::editor {

namespace {

constexpr int kTypingId = 1;

bool SameBytes(const ShortString& a, const ShortString& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

QString TextCommandName(Field field) {
    return field == Field::Question ? BankDocument::tr("Edit question")
                                    : BankDocument::tr("Edit answer");
}

}  // namespace

BankDocument::SetTextCommand::SetTextCommand(BankDocument& document, int round, int cell,
                                             Field field, const ShortString& before,
                                             const ShortString& after, int typingRun)
    : QUndoCommand(TextCommandName(field)),
      m_document(document),
      m_round(round),
      m_cell(cell),
      m_field(field),
      m_before(before),
      m_after(after),
      m_typingRun(typingRun) {}

void BankDocument::SetTextCommand::undo() {
    m_document.storeText(m_round, m_cell, m_field, m_before);
}

void BankDocument::SetTextCommand::redo() {
    m_document.storeText(m_round, m_cell, m_field, m_after);
}

int BankDocument::SetTextCommand::id() const {
    return kTypingId;
}

bool BankDocument::SetTextCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const SetTextCommand*>(other);
    if (next->m_round != m_round || next->m_cell != m_cell || next->m_field != m_field ||
        next->m_typingRun != m_typingRun) {
        return false;
    }
    m_after = next->m_after;
    // Typed and then deleted again: nothing left to undo.
    setObsolete(SameBytes(m_before, m_after));
    return true;
}

BankDocument::SetCorrectCommand::SetCorrectCommand(BankDocument& document, int round, int cell,
                                                   std::int32_t before, std::int32_t after)
    : QUndoCommand(BankDocument::tr("Choose the right answer")),
      m_document(document),
      m_round(round),
      m_cell(cell),
      m_before(before),
      m_after(after) {}

void BankDocument::SetCorrectCommand::undo() {
    m_document.storeCorrect(m_round, m_cell, m_before);
}

void BankDocument::SetCorrectCommand::redo() {
    m_document.storeCorrect(m_round, m_cell, m_after);
}

}  // namespace kletochka::editor
