// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "bank_files.h"
#include "run_qbtool.h"
#include "tables.h"
#include "temp_dir.h"

namespace kletochka::test {
namespace {

class SheetTest : public ::testing::Test {
  protected:
    TempDir dir;
    const std::string bank = (dir / "lesson.qb").string();
    const std::string html = (dir / "answers.html").string();

    std::string Sheet(const QuestionBank::Records& records) {
        WriteFile(bank, BankBytes(records));
        const QbtoolRun run = RunQbtoolWith({"sheet", bank, "-o", html});
        EXPECT_EQ(run.status, 0) << run.err;
        return ReadFile(html);
    }
};

TEST_F(SheetTest, OnePrintedPageForEachRoundWithBoardAndTallyBoxes) {
    const std::string sheet = Sheet(NumberedRecords());
    EXPECT_EQ(Occurrences(sheet, "<div class=\"page\">"), 7u);
    EXPECT_NE(sheet.find("break-after: page"), std::string::npos);
    EXPECT_NE(sheet.find("@page { size: A4"), std::string::npos);
    EXPECT_EQ(Occurrences(sheet, "<div>Крестики</div><div>Нолики</div>"), 7u);
    const std::size_t round3 = sheet.find("<h1>Раунд 3</h1>");
    ASSERT_NE(round3, std::string::npos);
    // Round 3 holds records 19..27, lettered А..И in board order.
    std::size_t at = round3;
    int cell = 0;
    for (const char* letter : {"А", "Б", "В", "Г", "Д", "Е", "Ж", "З", "И"}) {
        at = sheet.find(std::string("<div class=\"letter\">") + letter + "</div>", at);
        ASSERT_NE(at, std::string::npos) << letter;
        EXPECT_EQ(sheet.find("<p class=\"question\">", at),
                  sheet.find("<p class=\"question\">Q" + std::to_string(19 + cell++) + "</p>", at));
    }
    EXPECT_LT(at, sheet.find("<h1>Раунд 4</h1>"));
}

TEST_F(SheetTest, MarksTheRightAnswerOfEveryQuestionAndOnlyThat) {
    const std::string sheet = Sheet(NumberedRecords());
    EXPECT_EQ(Occurrences(sheet, "class=\"right\""), 63u);
    for (int i = 1; i <= 63; ++i) {
        const std::string letter(1, static_cast<char>('A' + NumberedRight(i) - 1));
        EXPECT_NE(sheet.find("<li class=\"right\"><b>" + letter + "</b><span>" + letter +
                             std::to_string(i) + "</span>"),
                  std::string::npos)
            << i;
    }
}

TEST_F(SheetTest, QuestionWithoutARightAnswerSaysSoAndMarksNone) {
    QuestionBank::Records records = NumberedRecords();
    for (int i = 0; i < 63; ++i) {
        records[static_cast<std::size_t>(i)].setCorrect(i == 0 ? 4 : i == 1 ? 0 : 2);
    }
    const std::string sheet = Sheet(records);
    EXPECT_EQ(Occurrences(sheet, "class=\"right\""), 61u);
    EXPECT_NE(sheet.find("Верного ответа нет (номер 4)"), std::string::npos);
    EXPECT_NE(sheet.find("Верного ответа нет (номер 0)"), std::string::npos);
}

TEST_F(SheetTest, EscapesEveryTextAndNeedsNoOtherFile) {
    QuestionBank::Records records = NumberedRecords();
    records[0].question.assign(Cp1251("<script>alert(\"«Ёж» & 'я'\")</script>"));
    records[0].answerA.assign("</li></ol><img src=x>");
    records[1].answerB.assign("");
    const std::string sheet = Sheet(records);
    EXPECT_NE(sheet.find("&lt;script&gt;alert(&quot;«Ёж» &amp; 'я'&quot;)&lt;/script&gt;"),
              std::string::npos);
    EXPECT_NE(sheet.find("&lt;/li&gt;&lt;/ol&gt;&lt;img src=x&gt;"), std::string::npos);
    EXPECT_EQ(sheet.find("<script"), std::string::npos);
    EXPECT_EQ(sheet.find("<img"), std::string::npos);
    EXPECT_EQ(sheet.find("href="), std::string::npos);
    EXPECT_EQ(sheet.find("url("), std::string::npos);
    EXPECT_NE(sheet.find("<span class=\"empty\">(пусто)</span>"), std::string::npos);
}

TEST_F(SheetTest, BankThatDoesNotLoadWritesNoSheet) {
    WriteFile(bank, std::string(1000, 'x'));
    const QbtoolRun run = RunQbtoolWith({"sheet", bank, "-o", html});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Read beyond end of file"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(html));
}

}  // namespace
}  // namespace kletochka::test
