// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/csv_writer.h"

#include <csv.h>

#include <cassert>

namespace kletochka::authoring {

namespace {

void AppendQuoted(std::string& out, std::string_view text) {
    const std::size_t size = csv_write(nullptr, 0, text.data(), text.size());
    const std::size_t start = out.size();
    out.resize(start + size);
    csv_write(out.data() + start, size, text.data(), text.size());
}

}  // namespace

void AppendCsvRow(std::string& out, const std::vector<CsvField>& fields, char delimiter) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            out += delimiter;
        }
        if (fields[i].quoted) {
            AppendQuoted(out, fields[i].text);
        } else {
            assert(fields[i].text.find_first_of(",;\"\r\n") == std::string::npos);
            out += fields[i].text;
        }
    }
    out += "\r\n";
}

}  // namespace kletochka::authoring
