// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/field_values.h"

#include <QList>
#include <QString>
#include <cstdio>

#include "bank/question_record.h"
#include "widgets/display_text.h"

namespace kletochka::authoring {

namespace {

// What a decoder puts for bytes it could not read.
constexpr char32_t kUnreadable = 0xFFFD;

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
        s.remove_suffix(1);
    }
    return s;
}

std::string Shown(std::string_view field) {
    std::string shown = "\"";
    shown.append(field.substr(0, 40));
    if (field.size() > 40) {
        shown.append("…");
    }
    shown.append("\"");
    return shown;
}

bool IsCyrillicLetterOfAnswer(std::string_view s) {
    for (const std::string_view letter : {"А", "а", "Б", "б", "В", "в", "С", "с"}) {
        if (s == letter) {
            return true;
        }
    }
    return false;
}

std::string WhyUnstorable(char32_t c) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    if (c == kUnreadable) {
        return std::string("a character that could not be read (") + code +
               "): save the table again as UTF-8 CSV";
    }
    return "the character \"" + QString::fromUcs4(&c, 1).toStdString() + "\" (" + code +
           ") cannot be stored in a question bank, which holds only Russian and "
           "English letters, digits and common signs (Windows-1251)";
}

// Fills the description of why with a fault and its words.
void Describe(Problem& why, TableFault fault, std::string text, std::string_view value = {}) {
    why.fault = fault;
    why.text = std::move(text);
    why.value = std::string(value);
}

}  // namespace

std::optional<UnstorableCharacter> FindUnstorable(const QString& text) {
    for (qsizetype i = 0; i < text.size();) {
        // A surrogate pair is one character; a lone surrogate is a character of its own.
        const qsizetype units =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
                ? 2
                : 1;
        // A lone surrogate is no character at all; alone, the encoder just waits for its other
        // half.
        if ((text.at(i).isSurrogate() && units == 1) || !EncodeWindows1251(text.mid(i, units))) {
            const char32_t code = units == 2 ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1))
                                             : text.at(i).unicode();
            return UnstorableCharacter{i, code, WhyUnstorable(code)};
        }
        i += units;
    }
    return std::nullopt;
}

std::optional<int> ParseIndex(std::string_view field, int max, Problem& why) {
    const std::string_view s = Trimmed(field);
    int value = 0;
    bool digits = !s.empty() && s.size() <= 3;
    // Only up to three digits are summed, so a long field cannot overflow the value.
    for (std::size_t i = 0; digits && i < s.size(); ++i) {
        digits = s[i] >= '0' && s[i] <= '9';
        value = value * 10 + (s[i] - '0');
    }
    if (!digits || value < 1 || value > max) {
        Describe(why, TableFault::NotANumber,
                 Shown(field) + " is not a number from 1 to " + std::to_string(max), field);
        why.total = max;
        return std::nullopt;
    }
    return value;
}

std::optional<std::int32_t> ParseCorrect(std::string_view field, Problem& why) {
    const std::string_view s = Trimmed(field);
    if (s.size() == 1) {
        switch (s[0]) {
            case 'A':
            case 'a':
            case '1':
                return 1;
            case 'B':
            case 'b':
            case '2':
                return 2;
            case 'C':
            case 'c':
            case '3':
                return 3;
            default:
                break;
        }
    }
    if (s.empty()) {
        Describe(why, TableFault::NoLetter,
                 "empty: write the letter of the right answer, A, B or C");
    } else if (IsCyrillicLetterOfAnswer(s)) {
        // Cyrillic "В" looks like B but is the third letter: do not guess.
        Describe(
            why, TableFault::RussianLetter,
            Shown(field) + " is a Russian letter: write the Latin letter A, B or C, or 1, 2 or 3",
            s);
    } else {
        Describe(why, TableFault::NotALetter, Shown(field) + " is not A, B or C (or 1, 2, 3)",
                 field);
    }
    return std::nullopt;
}

std::optional<std::string> ParseText(std::string_view utf8, Problem& why) {
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    const std::optional<std::string> bytes = EncodeWindows1251(text);
    if (!bytes) {
        const auto unstorable = FindUnstorable(text);
        if (!unstorable) {
            Describe(why, TableFault::Unstorable, "cannot be stored in Windows-1251");
        } else if (unstorable->code == kUnreadable) {
            Describe(why, TableFault::Unreadable, unstorable->why);
        } else {
            const char32_t code = unstorable->code;
            Describe(why, TableFault::Unstorable, unstorable->why,
                     QString::fromUcs4(&code, 1).toStdString());
            why.count = static_cast<int>(code);
        }
        return std::nullopt;
    }
    if (bytes->size() > ShortString::kCapacity) {
        Describe(why, TableFault::TooLong,
                 std::to_string(bytes->size()) + " characters, but at most " +
                     std::to_string(ShortString::kCapacity) + " fit");
        why.count = static_cast<int>(bytes->size());
        why.total = static_cast<int>(ShortString::kCapacity);
        return std::nullopt;
    }
    return bytes;
}

}  // namespace kletochka::authoring
