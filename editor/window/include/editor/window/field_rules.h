// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace kletochka::editor {

// Line breaks and tabs, as pasted from a spreadsheet cell, in the one-line form a field keeps.
QString OneLine(const QString& text);

// Why text cannot go into a field, naming the first character at fault, in the
// user's language; nothing when it can.
std::optional<QString> FieldRefusal(const QString& text);

}  // namespace kletochka::editor
