// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kletochka::authoring {

// What sort of thing is wrong, for a program that treats some apart (the
// editor warns before saving a bank with texts the class would not see whole).
enum class ProblemKind {
    Table,          // the file or a row of a table cannot be read as written
    Overlong,       // a length byte above the field's capacity
    Empty,          // an empty question or answer
    Ampersand,      // a "&" the window would hide
    Box,            // a byte the game draws as a box: 0x98 or a control byte
    NoRightAnswer,  // a right answer outside 1..3
    TooWide,        // a text cut off on the screen
    Repeat,         // the same question twice
    Balance,        // one letter is the right answer too often in a round
    FileSize,       // a bank file with bytes after its records
    CutShort,       // a bank file that ends before its last record does
    Unwritten,      // questions with nothing in them yet, counted together (the editor's)
    Rewritten,      // value: a table's text that looks changed by a spreadsheet ("1.00E+05")
};

// Which thing is wrong with a table (kind Table), for a program that words it anew;
// what it names is in Problem's value, count and total.
enum class TableFault {
    None,
    EmptyFile,         // no bytes at all
    NotText,           // a NUL byte: no text file
    ControlCharacter,  // count: the byte
    NoRows,            // nothing but blank lines
    NoQuestions,       // a first row of column names and nothing below it
    QuoteNotClosed,    // a quote mark opens a field and nothing closes it
    QuoteClosedLate,   // count: the line where the quote opened on this line closes
    QuoteMisplaced,    // a quote mark inside a field that is not in quotes
    ColumnTwice,       // value: the column named twice in the first row
    ColumnMissing,     // value: the column the first row lacks
    FieldCount,        // count: the row's fields; total: the first row's
    SecondRow,         // count: the line of the first row for the same question
    RowMissing,        // no row for the question
    NotANumber,        // value: the field; total: the largest number allowed
    NoLetter,          // the right answer is empty
    RussianLetter,     // value: the Cyrillic letter written for A, B or C
    NotALetter,        // value: the field
    Unreadable,        // a character that could not be decoded
    Unstorable,        // value: the character; count: its code point
    TooLong,           // count: the characters; total: how many fit
    NotAWorkbook,      // an .xlsx file that is no zip archive
    OldWorkbook,       // an old .xls, or a workbook locked with a password
    NoSheet,           // value: the part of the workbook that is missing
    BrokenPart,        // value: the part that cannot be unpacked or read; count: its line
    PartTooLarge,      // value: the part, empty when the workbook has too many parts
    StringMissing,     // value: the number of a text the workbook does not hold
    FormulaCell,       // value: the formula, "=" first
    NumberCell,        // value: the number as stored, where a text should be
    DateCell,          // value: the date as stored
    BooleanCell,       // value: TRUE or FALSE
    ErrorCell,         // value: the error shown, such as "#DIV/0!"
};

// Something wrong with a table or a bank, placed as precisely as is known.
struct Problem {
    int line = 0;       // line of the CSV file or row of the sheet; 0 when not read from one
    int round = 0;      // 1..7; 0 when not known
    int cell = 0;       // 1..9; 0 when not known
    std::string field;  // the column, e.g. "answer_b"; empty for a whole row or record
    std::string text;
    ProblemKind kind = ProblemKind::Table;
    // What the text counts, for a program that words it anew: Balance has the
    // letter (1..3 for A..C) right in count of total questions; FileSize the
    // bytes after the records in count; CutShort the whole questions in count;
    // Box the character's place (from 1) in count.
    int letter = 0;
    int count = 0;
    int total = 0;
    TableFault fault = TableFault::None;
    std::string value{};  // the text of the file a fault names, as written there
};

// "line 4, round 1, cell 3 (В), answer_b: text"
std::string FormatProblem(const Problem& problem);

// The board letter of cell 1..9 as the game shows it; "?" for any other number.
std::string CellLetter(int cell);

// Problems in the order found; keeps the first kKept so a huge junk file cannot eat the memory.
class ProblemList {
  public:
    static constexpr std::size_t kKept = 1000;

    void add(Problem problem);
    const std::vector<Problem>& kept() const { return m_kept; }
    std::size_t count() const { return m_count; }
    bool empty() const { return m_count == 0; }

  private:
    std::vector<Problem> m_kept;
    std::size_t m_count = 0;
};

}  // namespace kletochka::authoring
