// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kletochka::authoring {

struct CsvField {
    std::string text;
    bool quoted = false;  // texts are always quoted, so spaces and empties survive any spreadsheet
};

inline CsvField Bare(std::string text) {
    return {std::move(text), false};
}
inline CsvField Quoted(std::string text) {
    return {std::move(text), true};
}

// Appends one CSV row ending in CRLF; a bare field must need no quoting.
void AppendCsvRow(std::string& out, const std::vector<CsvField>& fields, char delimiter = ',');

}  // namespace kletochka::authoring
