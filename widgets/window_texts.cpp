// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/window_texts.h"

namespace kletochka {

QString RoundName(int k) {
    static const char* const kNames[] = {": первый гейм",    ": второй гейм", ": третий гейм",
                                         ": четвертый гейм", ": пятый гейм",  ": шестой гейм",
                                         ": седьмой гейм"};
    return QString::fromUtf8(kNames[k - 1]);
}

}  // namespace kletochka
