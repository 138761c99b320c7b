// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include "editor/bank_document.h"
#include "editor/cell_model.h"
#include "editor/document_files.h"
#include "editor/problem_model.h"
#include "editor_files.h"
#include "temp_dir.h"

namespace kletochka::editor {
namespace {

using test::QtPath;

class ModelsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteBankFile(QtPath(dir / "b.qb"), test::RussianRecords());
        doc.open(QtPath(dir / "b.qb"));
    }

    test::TempDir dir;
    BankDocument doc;
    CellModel cells{doc};
    ProblemModel problems{doc};
    QAbstractItemModelTester cellsTester{&cells,
                                         QAbstractItemModelTester::FailureReportingMode::Fatal};
    QAbstractItemModelTester problemsTester{&problems,
                                            QAbstractItemModelTester::FailureReportingMode::Fatal};
};

TEST_F(ModelsTest, CellsAreTheRoundsBoardsWithTheirLetters) {
    ASSERT_EQ(cells.rowCount(), 7);
    ASSERT_EQ(cells.columnCount(), 9);
    EXPECT_EQ(cells.data(cells.indexOf(1, 1)).toString(), "А");
    EXPECT_EQ(cells.data(cells.indexOf(7, 9)).toString(), "И");
    EXPECT_EQ(cells.data(cells.indexOf(3, 5), CellModel::RoundRole).toInt(), 3);
    EXPECT_EQ(cells.data(cells.indexOf(3, 5), CellModel::CellRole).toInt(), 5);
    EXPECT_EQ(cells.data(cells.indexOf(3, 5), CellModel::QuestionRole).toString(),
              doc.text(3, 5, Field::Question));
    EXPECT_TRUE(cells.data(cells.indexOf(3, 5), CellModel::FilledRole).toBool());
}

TEST_F(ModelsTest, EmptyingAFieldChangesThatCellAlone) {
    QSignalSpy changed(&cells, &QAbstractItemModel::dataChanged);
    doc.setText(2, 4, Field::AnswerB, "");
    const QModelIndex at = cells.indexOf(2, 4);
    EXPECT_FALSE(cells.data(at, CellModel::FilledRole).toBool());
    EXPECT_TRUE(cells.data(at, CellModel::ProblemRole).toBool());
    EXPECT_EQ(cells.data(at, CellModel::ProblemCountRole).toInt(), 1);
    ASSERT_GE(changed.count(), 1);
    for (const auto& signal : changed) {
        EXPECT_EQ(signal.at(0).toModelIndex(), at);
        EXPECT_EQ(signal.at(1).toModelIndex(), at);
    }
    ASSERT_EQ(problems.rowCount(), 1);
    const QModelIndex first = problems.index(0);
    EXPECT_EQ(problems.data(first, ProblemModel::RoundRole).toInt(), 2);
    EXPECT_EQ(problems.data(first, ProblemModel::CellRole).toInt(), 4);
    EXPECT_EQ(problems.data(first, ProblemModel::FieldRole).toInt(),
              static_cast<int>(Field::AnswerB));
    EXPECT_TRUE(problems.data(first, ProblemModel::ShownInGameRole).toBool());
    EXPECT_EQ(problems.data(first).toString(), "round 2, cell 4 (Г), answer_b: empty");

    doc.undoStack()->undo();
    EXPECT_TRUE(cells.data(at, CellModel::FilledRole).toBool());
    EXPECT_FALSE(cells.data(at, CellModel::ProblemRole).toBool());
    EXPECT_EQ(problems.rowCount(), 0);
}

TEST_F(ModelsTest, ANewBankShowsEveryCellNotWrittenYetAndNothingToFix) {
    doc.newBank();
    for (int round = 1; round <= 7; ++round) {
        for (int cell = 1; cell <= 9; ++cell) {
            const QModelIndex at = cells.indexOf(round, cell);
            EXPECT_FALSE(cells.data(at, CellModel::FilledRole).toBool());
            EXPECT_FALSE(cells.data(at, CellModel::ProblemRole).toBool());
            EXPECT_TRUE(cells.data(at, CellModel::UnwrittenRole).toBool());
        }
    }
    ASSERT_EQ(problems.rowCount(), 1);
    EXPECT_EQ(problems.data(problems.index(0), ProblemModel::KindRole).toInt(),
              static_cast<int>(authoring::ProblemKind::Unwritten));
    EXPECT_EQ(problems.data(problems.index(0)).toString(), "63 of 63 questions not written yet");

    // A question begun is written: what it still lacks is listed first, the count after.
    doc.setText(4, 2, Field::Question, "Ёж?");
    const QModelIndex begun = cells.indexOf(4, 2);
    EXPECT_FALSE(cells.data(begun, CellModel::UnwrittenRole).toBool());
    EXPECT_EQ(cells.data(begun, CellModel::ProblemCountRole).toInt(), 4);
    ASSERT_EQ(problems.rowCount(), 5);
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(problems.data(problems.index(row), ProblemModel::CellRole).toInt(), 2);
    }
    EXPECT_EQ(problems.data(problems.index(4)).toString(), "62 of 63 questions not written yet");
}

TEST_F(ModelsTest, TypingThatChangesNoProblemLeavesTheListAlone) {
    QSignalSpy reset(&problems, &QAbstractItemModel::modelReset);
    doc.setText(5, 5, Field::AnswerA, "Ёж 4");
    doc.setText(5, 5, Field::AnswerA, "Ёж 40");
    EXPECT_EQ(reset.count(), 0);
    doc.setText(5, 5, Field::AnswerA, "Ёж & 40");
    EXPECT_EQ(reset.count(), 1);
}

}  // namespace
}  // namespace kletochka::editor
