// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "authoring/csv_reader.h"
#include "authoring/problem.h"
#include "authoring/table_columns.h"

namespace kletochka::authoring {

// Where each column lies in a row, as the header row says.
struct TableHeader {
    std::array<std::size_t, kColumnCount> index{};
    std::size_t fieldCount = 0;
    std::vector<std::string> ignored;  // names of columns that are not ours
};

// ';' when the first non-blank line has more semicolons than commas, as spreadsheets
// write on systems where the comma is the decimal sign; otherwise ','.
char DetectDelimiter(std::string_view text);

// The header, or nothing with `why`'s text, fault and value set. Names may come
// in any order and any case.
std::optional<TableHeader> ReadHeader(const CsvRow& row, Problem& why);

}  // namespace kletochka::authoring
