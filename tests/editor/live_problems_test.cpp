// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <sstream>

#include "bank_files.h"
#include "editor/bank_document.h"
#include "editor/document_files.h"
#include "editor_files.h"
#include "run_qbtool.h"
#include "tables.h"
#include "temp_dir.h"

namespace kletochka::editor {
namespace {

using test::QtPath;

// A bank with one of each problem check looks for.
QuestionBank::Records FaultyRecords() {
    QuestionBank::Records records = test::RussianRecords();
    records[0].answerA.assign("");
    records[1].setCorrect(0);
    records[2].answerB.assign(test::Cp1251(std::string(30, 'W')));  // too wide
    records[3].question.assign("Rock & roll?");
    records[4].question = records[0].question;  // a repeat
    for (int cell = 0; cell < 9; ++cell) {
        records[static_cast<std::size_t>(9 + cell)].setCorrect(2);  // round 2: all B
    }
    records[20].answerC.length = 80;                         // overlong, from another program
    records[30].answerB.assign(std::string("a\x98") + 'b');  // a byte the game draws as a box
    return records;
}

std::vector<std::string> CheckLines(const std::string& out) {
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line) && line != "right answers in each round:";) {
        lines.push_back(line);
    }
    return lines;
}

TEST(LiveProblemsTest, ListsWhatQbtoolCheckReportsInItsOrderAndWords) {
    test::TempDir dir;
    // Bytes after the last record too, which the game ignores.
    test::WriteFile(dir / "b.qb", test::BankBytes(FaultyRecords()) + "tail");
    const test::QbtoolRun check = test::RunQbtoolWith({"check", (dir / "b.qb").string()});
    ASSERT_EQ(check.status, 1);
    BankDocument doc;
    doc.open(QtPath(dir / "b.qb"));
    std::vector<std::string> described;
    for (const BankProblem& p : doc.problems().all()) {
        described.push_back(p.described().toStdString());
    }
    EXPECT_EQ(described, CheckLines(check.out));
    EXPECT_GE(described.size(), 7u);
    QStringList shares;
    std::istringstream out(check.out.substr(check.out.find("right answers in each round:")));
    std::string line;
    std::getline(out, line);
    while (std::getline(out, line)) {
        shares << QString::fromStdString(line.substr(2));
    }
    EXPECT_EQ(doc.problems().shares(), shares);

    // Saved, the file holds the records alone and says so no more.
    ASSERT_EQ(doc.problems().all().front().kind, authoring::ProblemKind::FileSize);
    doc.save(SaveConsent{.overWrongLength = true});
    EXPECT_EQ(std::filesystem::file_size(dir / "b.qb"), QuestionBank::kFileSize);
    EXPECT_EQ(doc.problems().all().size(), described.size() - 1);
}

TEST(LiveProblemsTest, PlacesEachProblemOnItsFieldForTheViewToJumpTo) {
    LiveProblems live;
    live.recheckAll(FaultyRecords());
    const auto at = [&](int round, int cell, authoring::ProblemKind kind) {
        for (const BankProblem& p : live.all()) {
            if (p.round == round && p.cell == cell && p.kind == kind) {
                return p.field;
            }
        }
        return std::optional<Field>(Field::Question);  // not found: fails below
    };
    using authoring::ProblemKind;
    EXPECT_EQ(at(1, 1, ProblemKind::Empty), Field::AnswerA);
    EXPECT_EQ(at(1, 2, ProblemKind::NoRightAnswer), Field::Correct);
    EXPECT_EQ(at(1, 3, ProblemKind::TooWide), Field::AnswerB);
    EXPECT_EQ(at(1, 4, ProblemKind::Ampersand), Field::Question);
    EXPECT_EQ(at(3, 3, ProblemKind::Overlong), Field::AnswerC);
    EXPECT_EQ(at(4, 4, ProblemKind::Box), Field::AnswerB);
    EXPECT_EQ(at(2, 0, ProblemKind::Balance), std::nullopt);
    // What the class would see: the empty, the unanswerable, the cut-off, and the
    // overlong, whose 70 characters shown are cut off too.
    EXPECT_EQ(live.shownInGame().size(), 5u);
}

TEST(LiveProblemsTest, RecheckingTheEditedRecordGivesWhatAFullCheckGives) {
    QuestionBank::Records records = FaultyRecords();
    LiveProblems live;
    live.recheckAll(records);
    QRandomGenerator random(13);
    const std::vector<std::string> texts = {"", "Да", "Да & нет", std::string(30, 'W'),
                                            test::Cp1251("Сколько стоит 1? \"в кавычках\", с "
                                                         "запятой; и €")};
    for (int step = 0; step < 300; ++step) {
        const int round = random.bounded(1, 8);
        const int cell = random.bounded(1, 10);
        QuestionRecord& r = records[static_cast<std::size_t>((round - 1) * 9 + cell - 1)];
        const auto field = static_cast<Field>(random.bounded(0, 5));
        if (field == Field::Correct) {
            r.setCorrect(random.bounded(0, 4));
        } else {
            TextIn(r, field).assign(texts[random.bounded(static_cast<int>(texts.size()))]);
        }
        live.recheckRecord(records, round, cell);
        LiveProblems full;
        full.recheckAll(records);
        ASSERT_EQ(live.all(), full.all()) << "step " << step;
        ASSERT_EQ(live.shares(), full.shares());
        for (int c = 1; c <= 9; ++c) {
            ASSERT_EQ(live.countAt(round, c), full.countAt(round, c));
        }
    }
}

TEST(LiveProblemsTest, ALettersShareIsJudgedOnceTheRoundsNineRightAnswersAreChosen) {
    QuestionBank::Records records = test::RussianRecords();
    for (int cell = 1; cell <= 9; ++cell) {
        records[static_cast<std::size_t>(9 + cell - 1)].setCorrect(cell == 9 ? 0 : 2);
    }
    LiveProblems live;
    live.recheckAll(records);
    const auto balance = [&] {
        std::vector<BankProblem> found;
        std::copy_if(
            live.all().begin(), live.all().end(), std::back_inserter(found),
            [](const BankProblem& p) { return p.kind == authoring::ProblemKind::Balance; });
        return found;
    };
    EXPECT_TRUE(balance().empty()) << "eight of nine chosen, all B";

    records[17].setCorrect(1);
    live.recheckRecord(records, 2, 9);
    ASSERT_EQ(balance().size(), 1u);
    EXPECT_EQ(balance().front().round, 2);
    EXPECT_EQ(
        std::tuple(balance().front().letter, balance().front().count, balance().front().total),
        std::tuple(2, 8, 9));
}

}  // namespace
}  // namespace kletochka::editor
