// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/window/fault_texts.h"

#include <QCoreApplication>

namespace kletochka::editor {

namespace {

// The translation context of the words.
struct FaultTexts {
    Q_DECLARE_TR_FUNCTIONS(FaultTexts)
};

QString Quoted(const QString& value) {
    constexpr qsizetype kShown = 40;
    return value.size() > kShown ? value.left(kShown) + QChar(0x2026) : value;
}

QString CodePoint(int code) {
    return QStringLiteral("U+%1").arg(code, 4, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

QString FaultWords(const BankProblem& problem) {
    using authoring::TableFault;
    if (problem.kind == authoring::ProblemKind::FileSize) {
        return FaultTexts::tr("%n byte(s) after the 63 questions, which the game never reads",
                              nullptr, problem.count);
    }
    const QString value = Quoted(problem.value);
    if (problem.kind == authoring::ProblemKind::Rewritten) {
        return FaultTexts::tr(
                   "\"%1\" looks like a number a spreadsheet rewrote in exponent form: check "
                   "that it is what was written")
            .arg(value);
    }
    if (problem.kind != authoring::ProblemKind::Table) {
        return {};
    }
    const QString retype = FaultTexts::tr(
        "the table must hold the text itself: format the cell as text and type "
        "it again");
    switch (problem.fault) {
        case TableFault::EmptyFile:
            return FaultTexts::tr("the file is empty");
        case TableFault::NotText:
            return FaultTexts::tr("a zero byte: this is no table saved as text");
        case TableFault::ControlCharacter:
            return FaultTexts::tr("a control character (byte 0x%1): this is no table saved as text")
                .arg(problem.count, 2, 16, QLatin1Char('0'));
        case TableFault::NoRows:
            return FaultTexts::tr("the file has no rows");
        case TableFault::NoQuestions:
            return FaultTexts::tr("the first row names the columns, but no questions follow it");
        case TableFault::QuoteNotClosed:
            return FaultTexts::tr("a field opens a quote mark that is never closed");
        case TableFault::QuoteClosedLate:
            return FaultTexts::tr(
                       "the quote mark opened here closes only on line %1, and text follows it "
                       "there: is a closing quote mark missing?")
                .arg(problem.count);
        case TableFault::QuoteMisplaced:
            return FaultTexts::tr(
                "a quote mark in the wrong place: a field with quote marks must be in quote "
                "marks as a whole, each of its own quote marks written twice");
        case TableFault::ColumnTwice:
            return FaultTexts::tr("the first row names the column \"%1\" twice").arg(value);
        case TableFault::ColumnMissing:
            return FaultTexts::tr(
                       "the first row has no column \"%1\"; it must name the columns round, "
                       "cell, question, answer_a, answer_b, answer_c and correct")
                .arg(value);
        case TableFault::FieldCount:
            return FaultTexts::tr("%n field(s) in this row, but %1 in the first row", nullptr,
                                  problem.count)
                .arg(problem.total);
        case TableFault::SecondRow:
            return FaultTexts::tr("a second row for this question; the first is line %1")
                .arg(problem.count);
        case TableFault::RowMissing:
            return FaultTexts::tr("the table has no row for this question");
        case TableFault::NotANumber:
            return FaultTexts::tr("\"%1\" is not a number from 1 to %2")
                .arg(value)
                .arg(problem.total);
        case TableFault::NoLetter:
            return FaultTexts::tr("no right answer: write its letter, A, B or C");
        case TableFault::RussianLetter:
            return FaultTexts::tr(
                       "\"%1\" is a Russian letter: write the Latin letter A, B or C, or 1, 2 or 3")
                .arg(value);
        case TableFault::NotALetter:
            return FaultTexts::tr("\"%1\" is not A, B or C (nor 1, 2 or 3)").arg(value);
        case TableFault::Unreadable:
            return FaultTexts::tr(
                "a character that could not be read: save the table again in the Unicode "
                "encoding");
        case TableFault::Unstorable:
            return FaultTexts::tr(
                       "the character \"%1\" (%2) cannot be stored in a question bank, which "
                       "holds only Russian and Latin letters, digits and common signs")
                .arg(value, CodePoint(problem.count));
        case TableFault::TooLong:
            return FaultTexts::tr("%n character(s), but at most %1 fit", nullptr, problem.count)
                .arg(problem.total);
        case TableFault::NotAWorkbook:
            return FaultTexts::tr(
                "this is no .xlsx spreadsheet: save the table in the spreadsheet as .xlsx or CSV");
        case TableFault::OldWorkbook:
            return FaultTexts::tr(
                "this is an old Excel file (.xls) or one locked with a password: save it as "
                ".xlsx without a password");
        case TableFault::NoSheet:
            return FaultTexts::tr("the spreadsheet has no sheet to read (its part %1 is missing)")
                .arg(value);
        case TableFault::BrokenPart:
            return FaultTexts::tr("the spreadsheet is damaged: its part %1 cannot be read")
                .arg(value);
        case TableFault::PartTooLarge:
            return FaultTexts::tr(
                "the spreadsheet unpacks to far more than any table of questions, so it was not "
                "read");
        case TableFault::StringMissing:
            return FaultTexts::tr(
                       "the cell refers to text number %1, which the spreadsheet does not hold: "
                       "it is damaged")
                .arg(value);
        case TableFault::FormulaCell:
            return FaultTexts::tr("a formula, \"%1\"; %2").arg(value, retype);
        case TableFault::NumberCell:
            return FaultTexts::tr("a number, \"%1\", which may not be what was typed; %2")
                .arg(value, retype);
        case TableFault::DateCell:
            return FaultTexts::tr("a date, \"%1\"; %2").arg(value, retype);
        case TableFault::BooleanCell:
            return FaultTexts::tr("a truth value, \"%1\"; %2").arg(value, retype);
        case TableFault::ErrorCell:
            return FaultTexts::tr("an error value, \"%1\"; %2").arg(value, retype);
        case TableFault::None:
            break;
    }
    return FaultTexts::tr("this line cannot be read as a question");
}

}  // namespace kletochka::editor
