// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/question_table.h"

#include <algorithm>
#include <cstdio>

#include "authoring/csv_reader.h"
#include "authoring/table_header.h"
#include "authoring/table_row.h"

namespace kletochka::authoring {

namespace {

int LineAt(std::string_view bytes, std::size_t pos) {
    return 1 + static_cast<int>(
                   std::count(bytes.begin(), bytes.begin() + static_cast<long>(pos), '\n'));
}

// A NUL or another control character means this is no text file at all.
std::optional<Problem> BinaryContent(std::string_view bytes) {
    const auto bad = std::find_if(bytes.begin(), bytes.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return (u < 0x20 && c != '\t' && c != '\r' && c != '\n') || u == 0x7F;
    });
    if (bad == bytes.end()) {
        return std::nullopt;
    }
    const auto pos = static_cast<std::size_t>(bad - bytes.begin());
    Problem p{LineAt(bytes, pos), 0, 0, "", ""};
    if (*bad == '\0') {
        p.fault = TableFault::NotText;
        p.text =
            "a NUL byte: this is not a CSV text file (to turn a question bank into a "
            "table, use qbtool dump)";
    } else {
        char code[8];
        std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned char>(*bad));
        p.text = std::string("a control character (byte ") + code +
                 "): this is not a table saved as CSV text";
        p.fault = TableFault::ControlCharacter;
        p.count = static_cast<unsigned char>(*bad);
    }
    return p;
}

// Thrown from a row callback to stop reading after a bad header.
struct StopReading {};

void ReadRows(QuestionTable& table, std::string_view text) {
    TableRows rows(table);
    try {
        ReadCsv(text, table.delimiter, [&](const CsvRow& row) {
            const bool data = rows.header().has_value();
            if (!rows.add(row)) {
                throw StopReading{};
            }
            if (data) {
                WarnRewritten(row, *rows.header(), table);
            }
        });
    } catch (const StopReading&) {
        return;
    } catch (const CsvSyntaxError& e) {
        const auto& header = rows.header();
        const bool named = header && e.field() >= 0;
        std::string field;
        for (std::size_t c = 0; named && c < kColumnCount; ++c) {
            if (header->index[c] == static_cast<std::size_t>(e.field())) {
                field = kColumnNames[c];
            }
        }
        Problem p{e.line(), 0, 0, field, e.what()};
        p.fault = e.fault();
        p.count = e.closedOn();
        table.problems.add(std::move(p));
        return;
    }
    rows.finish();
}

}  // namespace

QuestionTable ReadQuestionTable(std::string_view bytes) {
    QuestionTable table;
    if (bytes.empty()) {
        Problem p{0, 0, 0, "", "the file is empty"};
        p.fault = TableFault::EmptyFile;
        table.problems.add(std::move(p));
        return table;
    }
    if (auto binary = BinaryContent(bytes)) {
        table.problems.add(std::move(*binary));
        return table;
    }
    const DecodedText text = DecodeTableText(bytes);
    table.encoding = text.encoding;
    table.delimiter = DetectDelimiter(text.utf8);
    ReadRows(table, text.utf8);
    return table;
}

bool IsWorkbookName(const std::filesystem::path& name) {
    // As UTF-8: on Windows, string() would stop at a character of no code page.
    std::u8string ext = name.extension().u8string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](char8_t c) {
        return c >= u8'A' && c <= u8'Z' ? static_cast<char8_t>(c - u8'A' + u8'a') : c;
    });
    return ext == u8".xlsx";
}

bool LooksLikeWorkbook(std::string_view bytes) {
    return bytes.substr(0, 4) == std::string_view("PK\x03\x04", 4);
}

QuestionTable ReadQuestionFile(const std::filesystem::path& name, std::string_view bytes) {
    // No CSV starts as a zip archive does, whatever its name.
    return IsWorkbookName(name) || LooksLikeWorkbook(bytes) ? ReadQuestionWorkbook(bytes)
                                                            : ReadQuestionTable(bytes);
}

std::optional<QuestionBank::Records> QuestionTable::bank() const {
    if (!problems.empty()) {
        return std::nullopt;
    }
    QuestionBank::Records records{};
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!entries[i] || entries[i]->rejected.any()) {
            return std::nullopt;
        }
        records[i] = entries[i]->record;
    }
    return records;
}

}  // namespace kletochka::authoring
