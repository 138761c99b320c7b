// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "game/cells.h"

namespace kletochka {

// The caption of board cell 1 <= n <= 9: its letter.
inline QString CellCaption(int n) {
    const std::string_view letter = CellLetter(n);
    return QString::fromUtf8(letter.data(), static_cast<qsizetype>(letter.size()));
}

// What round 1 <= k <= 7 appends to the title.
QString RoundName(int k);

inline QString TurnText(bool crosses) {
    return crosses ? QStringLiteral("Ход крестиков") : QStringLiteral("Ход ноликов");
}

}  // namespace kletochka
