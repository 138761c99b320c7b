// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace kletochka::editor {

// The Windows-1251 character that plainly stands for c where the code page lacks c
// ("×" for "x", a minus sign for "-"); nothing when there is none.
std::optional<QChar> StandIn(QChar c);

// What a refused edit can become with one click.
struct FieldFix {
    QString text;    // the field's whole text
    int cursor = 0;  // after what the edit put in
    QString offer;   // what the click does, for its button
};

// For a field that held before and was refused after: the stand-ins put in and,
// when still too long, as much of what was added as fits. Nothing when that is
// refused as well or adds nothing.
std::optional<FieldFix> FixRefused(const QString& before, const QString& after);

}  // namespace kletochka::editor
