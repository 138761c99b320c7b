// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/table_header.h"

#include <algorithm>

namespace kletochka::authoring {

namespace {

std::string Normalised(std::string name) {
    const auto notSpace = [](char c) { return c != ' ' && c != '\t'; };
    name.erase(name.begin(), std::find_if(name.begin(), name.end(), notSpace));
    name.erase(std::find_if(name.rbegin(), name.rend(), notSpace).base(), name.end());
    std::transform(name.begin(), name.end(), name.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return name;
}

std::string ExpectedHeader() {
    std::string names;
    for (const auto name : kColumnNames) {
        names += (names.empty() ? "" : ",") + std::string(name);
    }
    return names;
}

}  // namespace

char DetectDelimiter(std::string_view text) {
    text.remove_prefix(std::min(text.find_first_not_of("\r\n"), text.size()));
    const std::string_view first = text.substr(0, text.find('\n'));
    return std::count(first.begin(), first.end(), ';') > std::count(first.begin(), first.end(), ',')
               ? ';'
               : ',';
}

std::optional<TableHeader> ReadHeader(const CsvRow& row, Problem& why) {
    TableHeader header;
    header.fieldCount = row.fields.size();
    std::array<bool, kColumnCount> found{};
    for (std::size_t i = 0; i < row.fields.size(); ++i) {
        const std::string name = Normalised(row.fields[i]);
        const auto known = std::find(kColumnNames.begin(), kColumnNames.end(), name);
        if (known == kColumnNames.end()) {
            if (!name.empty()) {
                header.ignored.push_back(row.fields[i]);
            }
            continue;
        }
        const auto column = static_cast<std::size_t>(known - kColumnNames.begin());
        if (found[column]) {
            why.text = "the column \"" + name + "\" appears twice in the first row";
            why.fault = TableFault::ColumnTwice;
            why.value = name;
            return std::nullopt;
        }
        found[column] = true;
        header.index[column] = i;
    }
    for (std::size_t column = 0; column < kColumnCount; ++column) {
        if (!found[column]) {
            why.text = "the first row has no column \"" + std::string(kColumnNames[column]) +
                       "\"; it must name the columns: " + ExpectedHeader();
            why.fault = TableFault::ColumnMissing;
            why.value = std::string(kColumnNames[column]);
            return std::nullopt;
        }
    }
    return header;
}

}  // namespace kletochka::authoring
