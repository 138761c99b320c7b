// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#include "authoring/field_values.h"

namespace kletochka::editor {

// What a typed text costs in a bank field, which stores Windows-1251 bytes.
struct TextMeasure {
    int bytes = 0;  // the bytes of the characters Windows-1251 holds (one each)
    int left = 0;   // of the field's 70; below zero when the text is too long
    // The first character Windows-1251 has no place for, where it is and why.
    std::optional<authoring::UnstorableCharacter> refused;

    bool fits() const { return !refused && left >= 0; }
};

TextMeasure MeasureText(const QString& text);

}  // namespace kletochka::editor
