// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "authoring/problem.h"
#include "bank/error.h"

namespace kletochka::authoring {

// An .xlsx file that cannot be read as a whole: its fault, the part of the
// package it concerns and, for broken XML, the line of that part.
class WorkbookError : public Error {
  public:
    WorkbookError(TableFault fault, std::string part, const std::string& message, int line = 0)
        : Error(message), m_fault(fault), m_part(std::move(part)), m_line(line) {}
    TableFault fault() const { return m_fault; }
    const std::string& part() const { return m_part; }
    int line() const { return m_line; }

  private:
    TableFault m_fault;
    std::string m_part;
    int m_line;
};

}  // namespace kletochka::authoring
