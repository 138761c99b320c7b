// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace kletochka::authoring {

enum class TextEncoding { Utf8WithBom, Utf8, Windows1251 };

struct DecodedText {
    std::string utf8;  // without the byte order mark
    TextEncoding encoding;
};

// A byte order mark means UTF-8; so does text that is valid UTF-8; anything
// else is taken for Windows-1251, what Excel saves as "CSV" on a Russian system.
DecodedText DecodeTableText(std::string_view bytes);

// "UTF-8 with BOM", "UTF-8" or "Windows-1251"
std::string EncodingName(TextEncoding encoding);

}  // namespace kletochka::authoring
