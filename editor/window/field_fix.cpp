// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/window/field_fix.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

#include "bank/question_record.h"
#include "editor/text_limit.h"
#include "editor/window/field_rules.h"

namespace kletochka::editor {

namespace {

// The translation context of the offers.
struct FieldFixes {
    Q_DECLARE_TR_FUNCTIONS(FieldFixes)
};

// A space is named, since it cannot be seen.
QString Shown(QChar c) {
    if (c == QLatin1Char(' ')) {
        return FieldFixes::tr("a space");
    }
    if (c.isSpace()) {
        return QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
    }
    return QStringLiteral("\"%1\"").arg(c);
}

}  // namespace

std::optional<QChar> StandIn(QChar c) {
    switch (c.unicode()) {
        case 0x00D7:  // multiplication sign
            return QLatin1Char('x');
        case 0x2010:  // hyphen
        case 0x2011:  // non-breaking hyphen
        case 0x2012:  // figure dash
        case 0x2212:  // minus sign
            return QLatin1Char('-');
        case 0x2009:  // thin space
        case 0x202F:  // narrow no-break space
            return QLatin1Char(' ');
        default:
            return std::nullopt;
    }
}

std::optional<FieldFix> FixRefused(const QString& before, const QString& after) {
    FieldFix fix{after, 0, {}};
    QStringList swaps;
    for (QChar& c : fix.text) {
        if (const auto standIn = StandIn(c)) {
            const QString swap = FieldFixes::tr("%1 with %2").arg(Shown(c), Shown(*standIn));
            if (!swaps.contains(swap)) {
                swaps << swap;
            }
            c = *standIn;
        }
    }
    // What the edit put in: after, less what it kept of before at either end. Stand-ins
    // are one character for one, so the places hold in the fixed text too.
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < shorter && before.at(head) == after.at(head)) {
        ++head;
    }
    qsizetype tail = 0;
    while (tail < shorter - head &&
           before.at(before.size() - 1 - tail) == after.at(after.size() - 1 - tail)) {
        ++tail;
    }
    fix.cursor = static_cast<int>(fix.text.size() - tail);
    qsizetype kept = -1;
    const qsizetype added = fix.text.size() - head - tail;
    const auto room = static_cast<qsizetype>(ShortString::kCapacity) - (fix.text.size() - added);
    // Only a text too long is cut: what was refused for a character stays refused.
    const TextMeasure measure = MeasureText(fix.text);
    if (!measure.refused && measure.left < 0 && room > 0 && room < added) {
        kept = room;
        fix.text = fix.text.left(head) + fix.text.mid(head, kept) + fix.text.right(tail);
        fix.cursor = static_cast<int>(head + kept);
    }
    if (FieldRefusal(fix.text) || fix.text == before || (swaps.isEmpty() && kept < 0)) {
        return std::nullopt;
    }
    if (kept < 0) {
        fix.offer = FieldFixes::tr("Replace %1").arg(swaps.join(QLatin1String(", ")));
    } else if (swaps.isEmpty()) {
        fix.offer = FieldFixes::tr("Keep what fits: the first %n character(s) pasted", nullptr,
                                   static_cast<int>(kept));
    } else {
        fix.offer = FieldFixes::tr(
                        "Replace %1 and keep what fits: the first %n character(s) "
                        "pasted",
                        nullptr, static_cast<int>(kept))
                        .arg(swaps.join(QLatin1String(", ")));
    }
    return fix;
}

}  // namespace kletochka::editor
