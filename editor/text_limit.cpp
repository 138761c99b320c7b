// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/text_limit.h"

#include <QList>

#include "bank/question_record.h"
#include "widgets/display_text.h"

namespace kletochka::editor {

TextMeasure MeasureText(const QString& text) {
    TextMeasure measure;
    if (const auto bytes = EncodeWindows1251(text)) {
        measure.bytes = static_cast<int>(bytes->size());
    } else {
        measure.refused = authoring::FindUnstorable(text);
        // Each character Windows-1251 holds is one byte; the others are not stored.
        for (const char32_t c : text.toUcs4()) {
            measure.bytes += EncodeWindows1251(QString::fromUcs4(&c, 1)) ? 1 : 0;
        }
    }
    measure.left = static_cast<int>(ShortString::kCapacity) - measure.bytes;
    return measure;
}

}  // namespace kletochka::editor
