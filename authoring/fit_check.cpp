// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/fit_check.h"

#include "widgets/display_text.h"
#include "widgets/screen_text.h"

namespace kletochka::authoring {

void CheckFit(const PlacedRecord& placed, ProblemList& problems) {
    for (const NamedField& named : CheckedTextFields(placed)) {
        const ScreenText where =
            named.column == kQuestion ? ScreenText::Question : ScreenText::Answer;
        const int width = TextWidth(where, DisplayText(*named.field));
        const int room = TextRoom(where);
        if (width > room) {
            problems.add({placed.line, placed.round, placed.cell, named.name,
                          "too wide for the screen: " + std::to_string(width) +
                              " pixels, room for " + std::to_string(room) + "; shorten it",
                          ProblemKind::TooWide});
        }
    }
}

}  // namespace kletochka::authoring
