// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kletochka {

// The letter of board cell 1 <= n <= 9: "А" … "И".
inline QString CellLetter(int n) { return QString(QChar(0x0410 + (n - 1))); }

// What round 1 <= k <= 7 appends to the title.
QString RoundName(int k);

inline QString TurnText(bool crosses) {
    return crosses ? QStringLiteral("Ход крестиков") : QStringLiteral("Ход ноликов");
}

}  // namespace kletochka
