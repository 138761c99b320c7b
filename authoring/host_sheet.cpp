// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/host_sheet.h"

#include <QString>

#include "authoring/bank_rows.h"
#include "authoring/host_sheet_style.h"
#include "authoring/problem.h"
#include "authoring/table_columns.h"
#include "widgets/display_text.h"

namespace kletochka::authoring {

namespace {

std::string Escaped(const QString& text) {
    return text.toHtmlEscaped().toStdString();
}

// A text as the host reads it; an empty one says so rather than vanish.
std::string Shown(const ShortString& field) {
    const QString text = DisplayText(field);
    return text.trimmed().isEmpty() ? "<span class=\"empty\">(пусто)</span>" : Escaped(text);
}

// Smaller type for a cell with much text, so the page never runs over: all
// four texts at their longest still fit.
const char* CellClass(const QuestionRecord& record) {
    const std::size_t letters = record.question.view().size() + record.answerA.view().size() +
                                record.answerB.view().size() + record.answerC.view().size();
    return letters > 170 ? "cell longest" : letters > 110 ? "cell long" : "cell";
}

std::string Cell(const QuestionRecord& record, int cell) {
    std::string html = std::string("<section class=\"") + CellClass(record) +
                       "\"><div class=\"letter\">" + CellLetter(cell) +
                       "</div>\n<p class=\"question\">" + Shown(record.question) +
                       "</p>\n<ol class=\"answers\">\n";
    for (int i = 1; i <= 3; ++i) {
        const bool right = record.correct() == i;
        html += std::string("<li") + (right ? " class=\"right\"" : "") + "><b>" +
                static_cast<char>('A' + i - 1) + "</b><span>" + Shown(record.answer(i)) +
                "</span></li>\n";
    }
    html += "</ol>\n";
    if (record.correct() < 1 || record.correct() > 3) {
        html += "<p class=\"warning\">Верного ответа нет (номер " + CorrectText(record.correct()) +
                "): никто не ответит верно</p>\n";
    }
    return html + "</section>\n";
}

std::string Page(const QuestionBank::Records& records, int round, const std::string& title) {
    std::string html = "<div class=\"page\">\n<header><h1>Раунд " + std::to_string(round) +
                       "</h1><span class=\"bank\">" + title +
                       "</span></header>\n"
                       "<div class=\"board\">\n";
    for (int cell = 1; cell <= QuestionBank::kCellsPerRound; ++cell) {
        html += Cell(records[static_cast<std::size_t>(RecordNumber(round, cell) - 1)], cell);
    }
    return html +
           "</div>\n<div class=\"tally\"><div>Крестики</div><div>Нолики</div></div>\n</div>\n";
}

}  // namespace

std::string HostSheet(const QuestionBank::Records& records, const std::string& title) {
    const std::string name = Escaped(QString::fromStdString(title));
    std::string html =
        "<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<title>Турнир-клеточка: лист ведущего, " +
        name + "</title>\n<style>" + kHostSheetStyle + "</style>\n</head>\n<body>\n";
    for (int round = 1; round <= QuestionBank::kRounds; ++round) {
        html += Page(records, round, name);
    }
    return html + "</body>\n</html>\n";
}

}  // namespace kletochka::authoring
