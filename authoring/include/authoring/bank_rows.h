// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "bank/question_bank.h"

namespace kletochka::authoring {

// "A", "B", "C" for 1, 2, 3; the decimal number for anything else.
std::string CorrectText(std::int32_t correct);

// How a table is written: UTF-8 with "," (LibreOffice, qbtool dump), or
// Windows-1251 with ";", what Excel on a Russian system opens as it is.
enum class TableFlavour { Utf8Comma, Windows1251Semicolon };

// The bank as a question table: the header, then the 63 records in file order
// with their texts as the game shows them. In Windows-1251 the texts are the
// bank's own bytes.
std::string BankToTable(const QuestionBank::Records& records,
                        TableFlavour flavour = TableFlavour::Utf8Comma);

// The header row: round,cell,question,answer_a,answer_b,answer_c,correct
std::string TableHeader(char delimiter = ',');

// The header and 63 rows with round and cell filled in and everything else empty.
std::string EmptyTable(char delimiter);

}  // namespace kletochka::authoring
