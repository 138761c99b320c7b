// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/csv_reader.h"

#include <csv.h>

#include <string>

namespace kletochka::authoring {

namespace {

// What libcsv's callbacks hand over; rows go to the caller only between bytes,
// so no exception ever crosses the C library.
struct Collector {
    CsvRow row;
    bool rowReady = false;
};

void OnField(void* data, std::size_t size, void* collector) {
    auto* c = static_cast<Collector*>(collector);
    c->row.fields.emplace_back(data == nullptr ? "" : std::string(static_cast<char*>(data), size));
}

void OnRowEnd(int, void* collector) {
    static_cast<Collector*>(collector)->rowReady = true;
}

// Spaces are content: a text keeps its leading and trailing spaces.
int NoSpace(unsigned char) {
    return 0;
}

class Parser {
  public:
    explicit Parser(char delimiter) {
        csv_init(&m_parser, CSV_STRICT | CSV_STRICT_FINI);
        csv_set_delim(&m_parser, static_cast<unsigned char>(delimiter));
        csv_set_space_func(&m_parser, NoSpace);
        // libcsv grows a field by this much at a time; its 128 bytes made a long field quadratic.
        csv_set_blk_size(&m_parser, 64 * 1024);
    }
    Parser(const Parser&) = delete;
    Parser& operator=(const Parser&) = delete;
    ~Parser() { csv_free(&m_parser); }

    bool feed(char byte, Collector& c) {
        return csv_parse(&m_parser, &byte, 1, OnField, OnRowEnd, &c) == 1;
    }
    bool finish(Collector& c) { return csv_fini(&m_parser, OnField, OnRowEnd, &c) == 0; }
    // Out of memory and the like: anything but a malformed table.
    void throwIfNotSyntax() {
        if (csv_error(&m_parser) != CSV_EPARSE) {
            throw Error(csv_strerror(csv_error(&m_parser)));
        }
    }

  private:
    csv_parser m_parser{};
};

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

}  // namespace

void ReadCsv(std::string_view text, char delimiter,
             const std::function<void(const CsvRow&)>& onRow) {
    Parser parser(delimiter);
    Collector c;
    int line = 1;
    int fieldLine = 1;
    bool betweenRows = true;
    bool fieldStarts = true;
    const auto deliver = [&] {
        if (c.rowReady) {
            onRow(c.row);
            c.row.fields.clear();
            c.rowReady = false;
            betweenRows = true;
        }
    };
    // One byte at a time, so that every row and every error knows its line.
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char byte = text[i];
        if (betweenRows && !IsLineEnd(byte)) {
            betweenRows = false;
            fieldStarts = true;
            c.row.line = line;
        }
        if (!betweenRows && fieldStarts) {
            fieldStarts = false;
            fieldLine = line;
        }
        const std::size_t fieldsBefore = c.row.fields.size();
        if (!parser.feed(byte, c)) {
            parser.throwIfNotSyntax();
            if (fieldLine != line) {
                // A quote left open swallows the lines below it: name the line it was opened on.
                throw CsvSyntaxError(
                    fieldLine, static_cast<int>(fieldsBefore), TableFault::QuoteClosedLate,
                    "the quote opened here is closed only on line " + std::to_string(line) +
                        ", and text follows it there: is a closing quote missing?",
                    line);
            }
            throw CsvSyntaxError(line, static_cast<int>(fieldsBefore), TableFault::QuoteMisplaced,
                                 "a quote mark in the wrong place: a field with quote marks in "
                                 "it must be in quotes as a whole, each quote mark written twice");
        }
        fieldStarts = fieldStarts || c.row.fields.size() != fieldsBefore;
        if (byte == '\n' || (byte == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) {
            ++line;
        }
        deliver();
    }
    if (!parser.finish(c)) {
        parser.throwIfNotSyntax();
        throw CsvSyntaxError(fieldLine, static_cast<int>(c.row.fields.size()),
                             TableFault::QuoteNotClosed,
                             "a field opens a quote that is never closed");
    }
    deliver();
}

}  // namespace kletochka::authoring
