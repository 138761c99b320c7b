// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "field_rules.h"

#include <QCoreApplication>
#include <QStringView>

#include "display_text.h"
#include "field_values.h"
#include "question_record.h"

namespace kletochka::editor {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("FieldRules", text);
}

// "U+1F600", the name a person can look a character up by.
QString CodePointName(char32_t codePoint) {
    return QStringLiteral("U+%1")
        .arg(static_cast<uint>(codePoint), 4, 16, QLatin1Char('0'))
        .toUpper();
}

bool IsControl(char32_t codePoint) {
    return codePoint < 0x20 || codePoint == 0x7F;
}

}  // namespace

int FieldCapacity() {
    return static_cast<int>(ShortString::kCapacity);
}

int FieldRoomLeft(const QString& text) {
    const auto bytes = EncodeWindows1251(text);
    return FieldCapacity() - static_cast<int>(bytes ? bytes->size() : text.size());
}

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
            return Tr("The control character %1 cannot be shown on the one line the game draws.")
                .arg(CodePointName(codePoint));
        }
    }
    if (const auto unstorable = authoring::FindUnstorable(text)) {
        return Tr("\"%1\" (%2) cannot be stored: a question file holds only the characters of "
                  "the Windows-1251 code page (Russian and Latin letters, digits and "
                  "punctuation).")
            .arg(QString::fromUcs4(&unstorable->code, 1), CodePointName(unstorable->code));
    }
    const int room = FieldRoomLeft(text);
    if (room < 0) {
        return Tr("At most %1 characters fit in a field; this would make %2.")
            .arg(FieldCapacity())
            .arg(FieldCapacity() - room);
    }
    return std::nullopt;
}

}  // namespace kletochka::editor
