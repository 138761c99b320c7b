// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/window/field_rules.h"

#include <QCoreApplication>
#include <QStringView>

#include "bank/question_record.h"
#include "editor/text_limit.h"

namespace kletochka::editor {

namespace {

// The translation context of the refusals.
struct FieldRules {
    Q_DECLARE_TR_FUNCTIONS(FieldRules)
};

// "U+1F600", the name a person can look a character up by.
QString CodePointName(char32_t codePoint) {
    return QStringLiteral("U+%1")
        .arg(static_cast<uint>(codePoint), 4, 16, QLatin1Char('0'))
        .toUpper();
}

// The C1 controls too: U+0098 would be stored as byte 0x98, which the game shows as a box.
bool IsControl(char32_t codePoint) {
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F);
}

}  // namespace

QString OneLine(const QString& text) {
    QString line = text;
    while (line.endsWith(QLatin1Char('\n')) || line.endsWith(QLatin1Char('\r'))) {
        line.chop(1);
    }
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (QChar& c : line) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t')) {
            c = QLatin1Char(' ');
        }
    }
    return line;
}

std::optional<QString> FieldRefusal(const QString& text) {
    for (const char32_t codePoint : QStringView(text).toUcs4()) {
        if (IsControl(codePoint)) {
            return FieldRules::tr(
                       "The control character %1 cannot be shown on the one line the game draws.")
                .arg(CodePointName(codePoint));
        }
    }
    const TextMeasure measure = MeasureText(text);
    if (measure.refused) {
        const char32_t code = measure.refused->code;
        return FieldRules::tr(
                   "\"%1\" (%2) cannot be stored: a question file holds only the characters of "
                   "the Windows-1251 code page (Russian and Latin letters, digits and "
                   "punctuation).")
            .arg(QString::fromUcs4(&code, 1), CodePointName(code));
    }
    if (measure.left < 0) {
        return FieldRules::tr("At most %1 characters fit in a field; this would make %2.")
            .arg(ShortString::kCapacity)
            .arg(measure.bytes);
    }
    return std::nullopt;
}

}  // namespace kletochka::editor
