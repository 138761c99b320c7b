// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "authoring/problem.h"
#include "bank/error.h"

namespace kletochka::authoring {

struct CsvRow {
    int line = 0;  // the line of the file the row starts on, from 1
    std::vector<std::string> fields;
};

// Text that is not well-formed CSV, with the line and the field (from 0) where it goes wrong.
class CsvSyntaxError : public Error {
  public:
    CsvSyntaxError(int line, int field, TableFault fault, const std::string& message,
                   int closedOn = 0)
        : Error(message), m_line(line), m_field(field), m_fault(fault), m_closedOn(closedOn) {}
    int line() const { return m_line; }
    int field() const { return m_field; }
    TableFault fault() const { return m_fault; }
    // For QuoteClosedLate, the line where the quote closes.
    int closedOn() const { return m_closedOn; }

  private:
    int m_line;
    int m_field;
    TableFault m_fault;
    int m_closedOn;
};

// Calls onRow for each row of RFC 4180 text in order. Fields are kept exactly as
// written (no trimming); blank lines are skipped; quotes must be well placed.
void ReadCsv(std::string_view text, char delimiter,
             const std::function<void(const CsvRow&)>& onRow);

}  // namespace kletochka::authoring
