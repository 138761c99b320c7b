// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/repeat_check.h"

#include <QHash>
#include <QString>

#include "widgets/display_text.h"

namespace kletochka::authoring {

void CheckRepeats(const std::vector<PlacedRecord>& records, ProblemList& problems) {
    QHash<QString, const PlacedRecord*> first;
    for (const PlacedRecord& placed : records) {
        const QString key = DisplayText(placed.record.question).simplified().toCaseFolded();
        if (key.isEmpty() || placed.rejected[kQuestion]) {
            continue;  // reported already
        }
        const auto found = first.constFind(key);
        if (found == first.constEnd()) {
            first.insert(key, &placed);
            continue;
        }
        const PlacedRecord& earlier = **found;
        problems.add({placed.line, placed.round, placed.cell, "question",
                      "the same question as round " + std::to_string(earlier.round) + ", cell " +
                          std::to_string(earlier.cell) + " (" + CellLetter(earlier.cell) + ")",
                      ProblemKind::Repeat});
    }
}

}  // namespace kletochka::authoring
