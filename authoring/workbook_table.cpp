// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include "authoring/question_table.h"
#include "authoring/table_row.h"
#include "sheet_reader.h"
#include "workbook_error.h"

namespace kletochka::authoring {

namespace {

struct StopReading {};

std::vector<std::string> Fields(const SheetRow& row, std::size_t count) {
    std::vector<std::string> fields(count);
    for (const SheetCell& cell : row.cells) {
        if (cell.column < count) {
            fields[cell.column] = cell.text;
        }
    }
    return fields;
}

std::size_t Width(const SheetRow& row) {
    std::size_t width = 0;
    for (const SheetCell& cell : row.cells) {
        if (!cell.text.empty()) {
            width = std::max(width, cell.column + 1);
        }
    }
    return width;
}

bool IsWholeNumber(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Why a cell that is not text cannot be taken as what was typed; nothing when it can.
std::optional<Problem> CellProblem(const SheetCell& cell, std::optional<Column> column) {
    if (cell.kind == CellKind::Text || !column) {
        return std::nullopt;
    }
    // The round, the cell and 1..3 for the right answer are numbers anyway.
    const bool numberColumn = *column == kRound || *column == kCell || *column == kCorrect;
    if (cell.kind == CellKind::Number && numberColumn && IsWholeNumber(cell.text)) {
        return std::nullopt;
    }
    Problem p;
    p.value = cell.text;
    if (cell.kind == CellKind::MissingString) {
        p.fault = TableFault::StringMissing;
        p.text = "the cell refers to text number " + cell.text +
                 ", which the spreadsheet does not hold: it is damaged";
        return p;
    }
    struct Words {
        CellKind kind;
        TableFault fault;
        const char* what;
    };
    static constexpr Words kWords[] = {
        {CellKind::Formula, TableFault::FormulaCell, "a formula"},
        {CellKind::Date, TableFault::DateCell, "a date"},
        {CellKind::Boolean, TableFault::BooleanCell, "a truth value"},
        {CellKind::Error, TableFault::ErrorCell, "an error value"},
        {CellKind::Number, TableFault::NumberCell, "a number"}};
    const Words* words = std::find_if(std::begin(kWords), std::end(kWords),
                                      [&](const Words& w) { return w.kind == cell.kind; });
    p.fault = words->fault;
    p.text = std::string(words->what) + " \"" + cell.text +
             "\": the table must hold the text itself; format the cell as text and type it again";
    return p;
}

// The row as the table's fields, its cells that are not text told as problems.
CsvRow DataRow(const SheetRow& sheetRow, const TableHeader& header, QuestionTable& table) {
    CsvRow row{sheetRow.number, Fields(sheetRow, header.fieldCount)};
    std::vector<std::optional<Column>> columns(header.fieldCount);
    for (std::size_t c = 0; c < kColumnCount; ++c) {
        columns[header.index[c]] = static_cast<Column>(c);
    }
    const RowPlace place = PlaceOfRow(row, header);
    for (const SheetCell& c : sheetRow.cells) {
        if (c.column >= header.fieldCount) {
            continue;
        }
        if (auto p = CellProblem(c, columns[c.column])) {
            p->line = row.line;
            p->round = place.round;
            p->cell = place.cell;
            p->field = std::string(kColumnNames[*columns[c.column]]);
            table.problems.add(std::move(*p));
        }
    }
    return row;
}

}  // namespace

QuestionTable ReadQuestionWorkbook(std::string_view bytes) {
    QuestionTable table;
    table.fromWorkbook = true;
    TableRows rows(table);
    try {
        ReadFirstSheet(bytes, [&](const SheetRow& sheetRow) {
            if (const auto& header = rows.header()) {
                rows.add(DataRow(sheetRow, *header, table));
            } else if (!rows.add(CsvRow{sheetRow.number, Fields(sheetRow, Width(sheetRow))})) {
                throw StopReading{};
            }
        });
    } catch (const StopReading&) {
        return table;
    } catch (const WorkbookError& e) {
        Problem p{0, 0, 0, "", e.what()};
        p.fault = e.fault();
        p.value = e.part();
        p.count = e.line();
        table.problems.add(std::move(p));
        return table;
    }
    rows.finish();
    return table;
}

}  // namespace kletochka::authoring
