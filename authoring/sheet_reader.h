// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kletochka::authoring {

// Far above a table of questions (a few tens of kilobytes unpacked), far
// below what would strain a school PC.
inline constexpr std::size_t kMaxWorkbookPartBytes = 8 * 1024 * 1024;
inline constexpr std::size_t kMaxSharedStrings = 200'000;
// Columns past this are no table's and are passed over.
inline constexpr std::size_t kMaxSheetColumns = 256;

// What a cell holds; only Text is what was typed, exactly.
enum class CellKind { Text, Number, Boolean, Error, Date, Formula, MissingString };

struct SheetCell {
    std::size_t column = 0;  // A is 0
    CellKind kind = CellKind::Text;
    std::string text;  // the text; the value as stored; the formula; the string's number
};

struct SheetRow {
    int number = 0;  // the sheet's row number, from 1
    std::vector<SheetCell> cells;
};

// Calls onRow for each row of the workbook's first sheet that has cells, in
// the order stored. A file that cannot be read throws WorkbookError.
void ReadFirstSheet(std::string_view bytes, const std::function<void(const SheetRow&)>& onRow);

// Excel's escape for characters XML cannot hold: "_x0001_", and "_x005F_" for
// a "_" that would otherwise start one.
std::string EscapeSheetText(std::string_view text);
std::string UnescapeSheetText(std::string_view text);

}  // namespace kletochka::authoring
