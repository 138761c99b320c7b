// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "bank/error.h"

namespace kletochka::authoring {

struct CsvRow {
    int line = 0;  // the line of the file the row starts on, from 1
    std::vector<std::string> fields;
};

// Text that is not well-formed CSV, with the line and the field (from 0) where it goes wrong.
class CsvSyntaxError : public Error {
  public:
    CsvSyntaxError(int line, int field, const std::string& message)
        : Error(message), m_line(line), m_field(field) {}
    int line() const { return m_line; }
    int field() const { return m_field; }

  private:
    int m_line;
    int m_field;
};

// Calls onRow for each row of RFC 4180 text in order. Fields are kept exactly as
// written (no trimming); blank lines are skipped; quotes must be well placed.
void ReadCsv(std::string_view text, char delimiter,
             const std::function<void(const CsvRow&)>& onRow);

}  // namespace kletochka::authoring
