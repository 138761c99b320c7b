// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <chrono>
#include <cstring>

#include "bank_files.h"
#include "editor/bank_document.h"
#include "editor/document_files.h"
#include "editor_files.h"
#include "run_qbtool.h"
#include "temp_dir.h"

namespace kletochka::editor {
namespace {

using test::QtPath;

bool SameBytes(const QuestionBank::Records& a, const QuestionBank::Records& b) {
    return std::memcmp(a.data(), b.data(), sizeof a) == 0;
}

class DocumentTest : public ::testing::Test {
  protected:
    // The pauses in typing are those the test makes.
    DocumentTest() {
        doc.setClock([this] { return now; });
    }

    // A document holding a saved bank, so that modified starts false.
    void openSaved(const QuestionBank::Records& records) {
        WriteBankFile(QtPath(dir / "saved.qb"), records);
        doc.openBank(QtPath(dir / "saved.qb"));
    }

    // Types text letter by letter into round 1, cell 1's question after what it holds.
    void type(const QString& text) {
        for (const QChar c : text) {
            ASSERT_TRUE(doc.setText(1, 1, Field::Question, doc.text(1, 1, Field::Question) + c));
        }
    }
    QString question() const { return doc.text(1, 1, Field::Question); }

    test::TempDir dir;
    BankDocument doc;
    std::chrono::steady_clock::time_point now{std::chrono::hours(1)};
};

TEST_F(DocumentTest, NewBankIsAllZeroBytesWithEveryTextEmptyAndNoRightAnswer) {
    doc.setText(1, 1, Field::Question, "x");
    doc.newBank();
    EXPECT_TRUE(SameBytes(doc.records(), QuestionBank::Records{}));
    EXPECT_FALSE(doc.isModified());
    EXPECT_TRUE(doc.filePath().isEmpty());
    EXPECT_EQ(doc.undoStack()->count(), 0);
    // Four empty texts and no right answer in each of the 63 questions, as qbtool
    // and the save's warning see them; listed, they are one count of work to do.
    EXPECT_EQ(doc.problems().all().size(), 63u * 5u);
    EXPECT_EQ(doc.problems().countAt(7, 9), 0);
    EXPECT_TRUE(doc.problems().isUnwritten(7, 9));
    ASSERT_EQ(doc.problems().listed().size(), 1u);
    EXPECT_EQ(doc.problems().listed().front().kind, authoring::ProblemKind::Unwritten);
    EXPECT_EQ(doc.problems().listed().front().count, 63);
}

TEST_F(DocumentTest, TypingInOneFieldIsUndoneAsOneStepAndRedoneAgain) {
    openSaved(test::RussianRecords());
    const QString before = doc.text(2, 5, Field::AnswerB);
    for (const char* typed : {"К", "Ки", "Кит"}) {
        ASSERT_TRUE(doc.setText(2, 5, Field::AnswerB, typed));
    }
    EXPECT_EQ(doc.undoStack()->count(), 1);
    EXPECT_EQ(doc.text(2, 5, Field::AnswerB), "Кит");
    EXPECT_TRUE(doc.isModified());
    doc.undoStack()->undo();
    EXPECT_EQ(doc.text(2, 5, Field::AnswerB), before);
    EXPECT_FALSE(doc.isModified());
    doc.undoStack()->redo();
    EXPECT_EQ(doc.text(2, 5, Field::AnswerB), "Кит");
}

TEST_F(DocumentTest, TypingIsUndoneAWordWithTheSignsAfterItAtATime) {
    type(QStringLiteral("Кит, кот  и 2+2?"));
    EXPECT_EQ(doc.undoStack()->count(), 5);
    for (const char* left : {"Кит, кот  и 2+", "Кит, кот  и ", "Кит, кот  ", "Кит, ", ""}) {
        doc.undoStack()->undo();
        EXPECT_EQ(question(), QString::fromUtf8(left));
    }
    // Spaces before any word, and letters typed back after deleting, are no word's end.
    type(QStringLiteral("  a"));
    ASSERT_TRUE(doc.setText(1, 1, Field::Question, QStringLiteral("  ")));
    type(QStringLiteral("b"));
    EXPECT_EQ(doc.undoStack()->count(), 1);
}

TEST_F(DocumentTest, APauseInTypingEndsAStep) {
    type(QStringLiteral("ab"));
    now += BankDocument::kTypingPause;
    type(QStringLiteral("c"));
    EXPECT_EQ(doc.undoStack()->count(), 1) << "a pause just as long is none";
    now += BankDocument::kTypingPause + std::chrono::milliseconds(1);
    type(QStringLiteral("de"));
    EXPECT_EQ(doc.undoStack()->count(), 2);
    doc.undoStack()->undo();
    EXPECT_EQ(question(), QStringLiteral("abc"));
}

TEST_F(DocumentTest, TypingAfterAnUndoOrARedoStartsANewStep) {
    type(QStringLiteral("ab"));
    doc.undoStack()->undo();
    doc.undoStack()->redo();
    type(QStringLiteral("c"));
    EXPECT_EQ(doc.undoStack()->count(), 2);
    doc.undoStack()->undo();
    EXPECT_EQ(question(), QStringLiteral("ab"));
    type(QStringLiteral("d"));
    doc.undoStack()->undo();
    EXPECT_EQ(question(), QStringLiteral("ab"));
}

TEST_F(DocumentTest, AnotherFieldOrCellOrALeftFieldStartsAStepOfItsOwn) {
    doc.setText(1, 1, Field::Question, "a");
    doc.setText(1, 1, Field::Question, "ab");
    doc.setText(1, 1, Field::AnswerA, "b");
    doc.setText(1, 2, Field::AnswerA, "c");
    doc.endTyping();
    doc.setText(1, 2, Field::AnswerA, "cd");
    doc.setCorrect(1, 2, 3);
    doc.setText(1, 2, Field::AnswerA, "cde");
    EXPECT_EQ(doc.undoStack()->count(), 6);
    doc.undoStack()->setIndex(1);
    EXPECT_EQ(doc.text(1, 1, Field::Question), "ab");
    EXPECT_EQ(doc.text(1, 1, Field::AnswerA), "");
}

TEST_F(DocumentTest, TypingAfterSavingIsNotMergedIntoTheSavedStep) {
    doc.setText(1, 1, Field::Question, "a");
    doc.saveAs(QtPath(dir / "b.qb"));
    doc.setText(1, 1, Field::Question, "ab");
    EXPECT_TRUE(doc.isModified());
    doc.undoStack()->undo();
    EXPECT_EQ(doc.text(1, 1, Field::Question), "a");
    EXPECT_FALSE(doc.isModified());
}

TEST_F(DocumentTest, TypedAndDeletedAgainLeavesNothingToUndo) {
    openSaved(test::RussianRecords());
    const QString before = doc.text(3, 3, Field::Question);
    doc.setText(3, 3, Field::Question, before + "!");
    doc.setText(3, 3, Field::Question, before);
    EXPECT_EQ(doc.undoStack()->count(), 0);
    EXPECT_FALSE(doc.isModified());
}

TEST_F(DocumentTest, UndoGivesBackTheFileBytesBeyondTheTextToo) {
    QuestionBank::Records records = test::RussianRecords();
    std::memset(records[0].answerC.chars + records[0].answerC.length, 'Z',
                ShortString::kCapacity - records[0].answerC.length);
    openSaved(records);
    doc.setText(1, 1, Field::AnswerC, "new");
    doc.setCorrect(1, 1, 1);
    doc.undoStack()->undo();
    doc.undoStack()->undo();
    EXPECT_TRUE(SameBytes(doc.records(), records));
}

TEST_F(DocumentTest, RefusesWhatAFieldCannotHoldAndChangesNothing) {
    openSaved(test::RussianRecords());
    const QuestionBank::Records before = doc.records();
    QSignalSpy changed(&doc, &BankDocument::textChanged);
    EXPECT_FALSE(doc.setText(1, 1, Field::Question, "smile 😀"));
    EXPECT_FALSE(doc.setText(1, 1, Field::Question, "Ω"));
    EXPECT_FALSE(doc.setText(1, 1, Field::AnswerA, QString(71, 'x')));
    EXPECT_FALSE(doc.setText(1, 1, Field::Correct, "A"));
    EXPECT_TRUE(doc.setText(1, 1, Field::AnswerA, QString(70, 'x')));
    doc.undoStack()->undo();
    EXPECT_TRUE(SameBytes(doc.records(), before));
    EXPECT_EQ(changed.count(), 2);  // the 70 x's and their undo
}

TEST_F(DocumentTest, TellsWhichCellAndFieldChangedAndWhenTheMarkChanges) {
    openSaved(test::RussianRecords());
    QSignalSpy texts(&doc, &BankDocument::textChanged);
    QSignalSpy answers(&doc, &BankDocument::correctChanged);
    QSignalSpy modified(&doc, &BankDocument::modifiedChanged);
    QSignalSpy problems(&doc, &BankDocument::problemsChanged);
    doc.setText(4, 7, Field::AnswerC, "C");
    doc.setText(4, 7, Field::AnswerC, "Cc");
    doc.setCorrect(6, 2, test::OtherAnswer(doc.correct(6, 2)));
    ASSERT_EQ(texts.count(), 2);
    EXPECT_EQ(texts.at(1).at(0).toInt(), 4);
    EXPECT_EQ(texts.at(1).at(1).toInt(), 7);
    EXPECT_EQ(texts.at(1).at(2).value<Field>(), Field::AnswerC);
    ASSERT_EQ(answers.count(), 1);
    EXPECT_EQ(answers.at(0).at(0).toInt(), 6);
    EXPECT_EQ(answers.at(0).at(1).toInt(), 2);
    EXPECT_EQ(problems.count(), 3);
    ASSERT_EQ(modified.count(), 1);
    EXPECT_TRUE(modified.at(0).at(0).toBool());
    doc.save();
    ASSERT_EQ(modified.count(), 2);
    EXPECT_FALSE(modified.at(1).at(0).toBool());
    doc.undoStack()->undo();
    EXPECT_TRUE(doc.isModified());
}

TEST_F(DocumentTest, SavingANewBankNeedsAName) {
    doc.setText(1, 1, Field::Question, "a");
    EXPECT_THROW(doc.save(), Error);
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(test::FileNames(dir.path()).empty());
}

}  // namespace
}  // namespace kletochka::editor
