// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Editing sessions in the whole window, through the keys and clicks a teacher gives.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <functional>

#include "as_nobody.h"
#include "authoring/table_columns.h"
#include "bank_files.h"
#include "editor/bank_document.h"
#include "editor/problem_model.h"
#include "editor/window/editor_window.h"
#include "editor/window/field_edit.h"
#include "editor/window/preview_pane.h"
#include "editor/window/question_form.h"
#include "editor/window/round_boards.h"
#include "fake_dialogs.h"
#include "param_name.h"
#include "private_settings.h"
#include "temp_dir.h"
#include "widgets/display_text.h"
#include "widgets/label.h"

namespace kletochka::editor {
namespace {

using kletochka::test::BankBytes;
using kletochka::test::kReadOnly;
using kletochka::test::MakeReadOnly;
using kletochka::test::NumberedRecords;
using kletochka::test::NumberedRight;
using kletochka::test::ReadFile;
using kletochka::test::WriteFile;

QString Path(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// The platform's letter key for a standard action (Ctrl+Shift+Z or Ctrl+Y for redo), pressed
// on the focused widget.
void Press(QKeySequence::StandardKey key) {
    for (const QKeySequence& binding : QKeySequence::keyBindings(key)) {
        const QKeyCombination combination = binding[0];
        if (combination.key() >= Qt::Key_A && combination.key() <= Qt::Key_Z) {
            QTest::keyClick(QApplication::focusWidget(), combination.key(),
                            combination.keyboardModifiers());
            return;
        }
    }
    FAIL() << "no letter key for " << key;
}

// Types text as a keyboard with those letters would, Cyrillic included.
void Type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        const auto key = static_cast<Qt::Key>(c.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, widget, key, QString(c), Qt::NoModifier);
    }
}

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

// Acts on the next message box up other than `after`, while the window waits in its event loop.
void OnNextBox(std::function<void(QMessageBox*)> act, QPointer<QMessageBox> after = {},
               int tries = 100) {
    QTimer::singleShot(0, [act = std::move(act), after, tries] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if ((box == nullptr || box == after.data()) && tries > 0) {
            OnNextBox(act, after, tries - 1);
            return;
        }
        ASSERT_NE(box, nullptr);
        act(box);
    });
}

class EditorSession : public ::testing::Test {
  protected:
    kletochka::test::TempDir dir;
    test::FakeDialogs::Log log;
    std::unique_ptr<EditorWindow> window;

    // Recent files go to a scratch settings file of this process, never the person's own.
    static inline std::unique_ptr<kletochka::test::PrivateUserSettings> settings;

    static void SetUpTestSuite() {
        QStandardPaths::setTestModeEnabled(true);
        settings = std::make_unique<kletochka::test::PrivateUserSettings>();
        QSettings().clear();
    }
    static void TearDownTestSuite() { settings.reset(); }

    void SetUp() override { window = Open(); }

    std::unique_ptr<EditorWindow> Open(std::unique_ptr<EditorDialogs> dialogs = {}) {
        auto w = std::make_unique<EditorWindow>(dialogs ? std::move(dialogs)
                                                        : std::make_unique<test::FakeDialogs>(log));
        // No pause ever ends a step of typing, however slowly the machine types.
        w->document().setClock([] { return std::chrono::steady_clock::time_point{}; });
        w->show();
        QApplication::setActiveWindow(w.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
        return w;
    }

    std::filesystem::path WriteBank(const char* name,
                                    const QuestionBank::Records& records = NumberedRecords()) {
        WriteFile(dir / name, BankBytes(records));
        return dir / name;
    }

    // The teacher comes back to the window from another program.
    void ComeBack() {
        QEvent activation(QEvent::ActivationChange);
        QApplication::sendEvent(window.get(), &activation);
        QCoreApplication::processEvents();
    }

    FieldEdit* Edit(Field field) { return window->form()->edit(field); }
    QString Text(int round, int cell, Field field) {
        return window->document().text(round, cell, field);
    }
    void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
};

TEST_F(EditorSession, OpenTypeUndoRedoSaveAndReopen) {
    const auto bank = WriteBank("lesson.qb");
    log.paths.push_back(Path(bank));
    Press(QKeySequence::Open);
    ASSERT_TRUE(log.errors.isEmpty()) << log.errors.join('\n').toStdString();
    EXPECT_EQ(Edit(Field::Question)->text(), QStringLiteral("Q1"));

    Click(window->boards()->button(2, 2));
    Click(Edit(Field::Question));
    Press(QKeySequence::SelectAll);
    const QString typed = QStringLiteral("Сколько будет 2+2?");
    Type(Edit(Field::Question), typed);
    EXPECT_EQ(Text(2, 2, Field::Question), typed);
    EXPECT_EQ(window->preview()->label(Field::Question)->text(), typed);
    EXPECT_TRUE(window->form()->counter(Field::Question)->text().endsWith(" more letter(s)"))
        << window->form()->counter(Field::Question)->text().toStdString();
    EXPECT_TRUE(window->isWindowModified());

    // Typing goes back a word at a time: "Сколько ", "будет ", "2+", "2?".
    Press(QKeySequence::Undo);
    EXPECT_EQ(Text(2, 2, Field::Question), QStringLiteral("Сколько будет 2+"));
    for (int step = 0; step < 3; ++step) {
        Press(QKeySequence::Undo);
    }
    EXPECT_EQ(Text(2, 2, Field::Question), QStringLiteral("Q11"));
    EXPECT_EQ(Edit(Field::Question)->text(), QStringLiteral("Q11"));
    EXPECT_FALSE(window->isWindowModified());
    for (int step = 0; step < 4; ++step) {
        Press(QKeySequence::Redo);
    }
    EXPECT_EQ(Edit(Field::Question)->text(), typed);

    // An undo in another cell goes back to the cell it changes.
    Press(Qt::Key_Down, Qt::ControlModifier);
    Click(window->form()->answerButton(3));
    EXPECT_EQ(window->document().correct(2, 3), 3);
    Press(Qt::Key_Up, Qt::ControlModifier);
    Press(QKeySequence::Undo);
    EXPECT_EQ(window->boards()->cell(), 3);
    EXPECT_EQ(window->document().correct(2, 3), NumberedRight(2, 3));

    Press(QKeySequence::Save);
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_TRUE(log.errors.isEmpty());

    auto records = NumberedRecords();
    records[10].question.assign(*EncodeWindows1251(typed));
    EXPECT_EQ(ReadFile(bank), BankBytes(records));
    const auto again = Open();
    ASSERT_TRUE(again->openFile(Path(bank)));
    again->chooseCell(2, 2);
    EXPECT_EQ(again->form()->edit(Field::Question)->text(), typed);
}

TEST_F(EditorSession, KeyboardReachesEveryCellAndField) {
    Press(Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(window->boards()->round(), 3);
    window->chooseCell(1, 9);
    Press(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(std::pair(window->boards()->round(), window->boards()->cell()), std::pair(2, 1));
    window->chooseCell(1, 1);
    Press(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(std::pair(window->boards()->round(), window->boards()->cell()), std::pair(1, 1));

    Edit(Field::Question)->setFocus();
    for (QWidget* next :
         {static_cast<QWidget*>(Edit(Field::AnswerA)), static_cast<QWidget*>(Edit(Field::AnswerB)),
          static_cast<QWidget*>(Edit(Field::AnswerC))}) {
        Press(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
    Press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->form()->answerButton(1));
}

TEST_F(EditorSession, EveryControlHasANameForScreenReaders) {
    QStringList unnamed;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const bool control = widget->focusPolicy() != Qt::NoFocus ||
                             qobject_cast<QAbstractButton*>(widget) != nullptr;
        if (widget->isVisible() && control && widget->accessibleName().isEmpty()) {
            unnamed << QString::fromLatin1(widget->metaObject()->className());
        }
    }
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(", ").toStdString();
}

TEST_F(EditorSession, APastedEmojiIsRefusedAndChangesNothing) {
    Edit(Field::AnswerB)->setFocus();
    Type(Edit(Field::AnswerB), QStringLiteral("Cat"));
    const int steps = window->document().undoStack()->count();
    QGuiApplication::clipboard()->setText(QStringLiteral("Кот 🐈"));
    Press(QKeySequence::Paste);
    EXPECT_EQ(Text(1, 1, Field::AnswerB), QStringLiteral("Cat"));
    EXPECT_EQ(window->document().undoStack()->count(), steps);
    EXPECT_TRUE(window->form()->refusal().contains(QLatin1String("U+1F408")))
        << window->form()->refusal().toStdString();

    // It was about that question: another cell starts without it.
    Press(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(window->form()->refusal(), QString());
}

TEST_F(EditorSession, ARefusedPasteOffersWhatFitsAndOneClickTakesIt) {
    QAbstractButton* fix = window->form()->fixButton();
    Edit(Field::AnswerB)->setFocus();
    QGuiApplication::clipboard()->setText(QStringLiteral("2 × 2"));
    Press(QKeySequence::Paste);
    EXPECT_EQ(Text(1, 1, Field::AnswerB), QString());
    ASSERT_TRUE(fix->isVisible());
    EXPECT_TRUE(fix->text().contains(QStringLiteral("×"))) << fix->text().toStdString();
    Click(fix);
    EXPECT_EQ(Text(1, 1, Field::AnswerB), QStringLiteral("2 x 2"));
    EXPECT_FALSE(fix->isVisible());
    EXPECT_EQ(window->form()->refusal(), QString());
    EXPECT_EQ(QApplication::focusWidget(), Edit(Field::AnswerB));

    // Too long a paste keeps the first letters, as many as the field has room for.
    QGuiApplication::clipboard()->setText(QString(100, QChar(u'ж')));
    Press(QKeySequence::Paste);
    EXPECT_EQ(Text(1, 1, Field::AnswerB), QStringLiteral("2 x 2"));
    ASSERT_TRUE(fix->isVisible());
    Click(fix);
    EXPECT_EQ(Text(1, 1, Field::AnswerB), QStringLiteral("2 x 2") + QString(65, QChar(u'ж')));

    // An emoji has no stand-in: refused, and nothing offered.
    Press(Qt::Key_Backspace);
    QGuiApplication::clipboard()->setText(QStringLiteral("🐈"));
    Press(QKeySequence::Paste);
    EXPECT_FALSE(window->form()->refusal().isEmpty());
    EXPECT_FALSE(fix->isVisible());
}

TEST_F(EditorSession, ANewBankIsWorkToDoNotAnAlarmButSavingStillWarns) {
    QListView* list = window->problemList();
    const auto rows = [&] {
        QStringList texts;
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            texts << list->model()->index(row, 0).data().toString();
        }
        return texts;
    };
    for (int round = 1; round <= 7; ++round) {
        for (int cell = 1; cell <= 9; ++cell) {
            ASSERT_EQ(window->boards()->state(round, cell), CellState::Empty);
        }
    }
    EXPECT_EQ(rows(), QStringList{"Not written yet: 63 question(s) of 63"});
    const QModelIndex count = list->model()->index(0, 0);
    EXPECT_TRUE(count.data(Qt::ForegroundRole).isValid());

    Type(Edit(Field::Question), QStringLiteral("Ёж?"));
    EXPECT_EQ(window->boards()->state(1, 1), CellState::Problem);
    EXPECT_EQ(window->boards()->state(1, 2), CellState::Empty);
    const QStringList listed = rows();
    ASSERT_EQ(listed.size(), 5);
    EXPECT_TRUE(listed.at(0).startsWith("Round 1, cell А, answer A")) << listed.at(0).toStdString();
    EXPECT_EQ(listed.at(4), "Not written yet: 62 question(s) of 63");
    EXPECT_FALSE(list->model()->index(0, 0).data(Qt::ForegroundRole).isValid());

    // The count leads to the first question still to write.
    list->setFocus();
    list->setCurrentIndex(list->model()->index(4, 0));
    Press(Qt::Key_Return);
    EXPECT_EQ(std::pair(window->boards()->round(), window->boards()->cell()), std::pair(1, 2));

    // Saving names every text the class would see empty, as it always has.
    log.saveFlawed = false;
    log.paths = {Path(dir / "new.qb")};
    Press(QKeySequence::Save);
    EXPECT_EQ(log.flawsSeen.size(), 3 + 1 + 62 * 5);
    EXPECT_FALSE(std::filesystem::exists(dir / "new.qb"));
}

TEST_F(EditorSession, ATableIsNamedAsATableAndSaveAsksWhereTheBankGoes) {
    ASSERT_TRUE(window->openFile(Path(WriteBank("source.qb"))));
    log.paths = {Path(dir / "lesson.csv")};
    window->findChild<QAction*>("exportUtf8")->trigger();

    window = Open();
    ASSERT_TRUE(window->openFile(Path(dir / "lesson.csv")));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("lesson.csv (table)[*]"));
    EXPECT_FALSE(std::filesystem::exists(dir / "lesson.qb"));

    log.paths = {Path(dir / "lesson.qb")};
    Press(QKeySequence::Save);
    EXPECT_TRUE(log.paths.empty()) << "Save did not ask where";
    EXPECT_EQ(ReadFile(dir / "lesson.qb"), BankBytes(NumberedRecords()));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("lesson.qb[*]"));
    EXPECT_FALSE(window->isWindowModified());
}

TEST_F(EditorSession, AProblemLeadsToItsField) {
    auto records = NumberedRecords();
    records[static_cast<std::size_t>(authoring::RecordNumber(3, 5) - 1)].answerB.assign("");
    ASSERT_TRUE(window->openFile(Path(WriteBank("gap.qb", records))));
    QListView* list = window->problemList();
    QModelIndex found;
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        const QModelIndex index = list->model()->index(row, 0);
        if (index.data(ProblemModel::FieldRole).toInt() == static_cast<int>(Field::AnswerB)) {
            found = index;
        }
    }
    ASSERT_TRUE(found.isValid());
    EXPECT_TRUE(found.data().toString().contains(QStringLiteral("Round 3, cell Д, answer B")))
        << found.data().toString().toStdString();
    EXPECT_EQ(window->boards()->state(3, 5), CellState::Problem);
    EXPECT_EQ(window->boards()->state(3, 4), CellState::Filled);

    list->setFocus();
    list->setCurrentIndex(found);
    Press(Qt::Key_Return);
    EXPECT_EQ(std::pair(window->boards()->round(), window->boards()->cell()), std::pair(3, 5));
    EXPECT_EQ(QApplication::focusWidget(), Edit(Field::AnswerB));

    Type(Edit(Field::AnswerB), QStringLiteral("B23"));
    EXPECT_EQ(window->boards()->state(3, 5), CellState::Filled);
}

TEST_F(EditorSession, SavingWhatTheClassCannotSeeWholeAsksFirst) {
    const auto bank = WriteBank("wide.qb");
    ASSERT_TRUE(window->openFile(Path(bank)));
    Edit(Field::AnswerA)->setFocus();
    Type(Edit(Field::AnswerA), QStringLiteral(" и ещё очень длинный ответ"));
    EXPECT_TRUE(window->preview()->isCut(Field::AnswerA));

    log.saveFlawed = false;
    Press(QKeySequence::Save);
    ASSERT_EQ(log.flawsSeen.size(), 1);
    EXPECT_TRUE(log.flawsSeen.at(0).contains(QLatin1String("too wide")));
    EXPECT_EQ(ReadFile(bank), BankBytes(NumberedRecords()));
    EXPECT_TRUE(window->isWindowModified());

    log.saveFlawed = true;
    Press(QKeySequence::Save);
    EXPECT_NE(ReadFile(bank), BankBytes(NumberedRecords()));
    EXPECT_FALSE(window->isWindowModified());
}

TEST_F(EditorSession, UnsavedChangesAskBeforeClosingOpeningOrNew) {
    Type(Edit(Field::Question), QStringLiteral("Новый"));
    log.unsaved = {EditorDialogs::Unsaved::Cancel};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());

    // Cancelled open and new keep the bank too.
    log.unsaved = {EditorDialogs::Unsaved::Cancel, EditorDialogs::Unsaved::Cancel};
    log.paths.push_back(Path(WriteBank("other.qb")));
    Press(QKeySequence::Open);
    Press(QKeySequence::New);
    EXPECT_EQ(Text(1, 1, Field::Question), QStringLiteral("Новый"));
    EXPECT_EQ(log.unsavedAsked, 3);

    // Save with no file yet asks where; cancelling that keeps the window open.
    log.unsaved = {EditorDialogs::Unsaved::Save};
    log.paths.clear();
    log.paths.push_back({});
    EXPECT_FALSE(window->close());

    log.unsaved = {EditorDialogs::Unsaved::Discard};
    EXPECT_TRUE(window->close());
}

TEST_F(EditorSession, AWarningAfterTheTeacherSaidSaveOffersSavingFirst) {
    const auto bank = WriteBank("gap.qb");
    ASSERT_TRUE(window->openFile(Path(bank)));
    Edit(Field::AnswerA)->setFocus();
    Press(QKeySequence::SelectAll);
    Press(Qt::Key_Backspace);

    log.saveFlawed = false;
    Press(QKeySequence::Save);
    ASSERT_EQ(log.flawsSeen.size(), 1);
    EXPECT_FALSE(log.flawedSaveChosen);

    log.flawsSeen.clear();
    log.unsaved = {EditorDialogs::Unsaved::Save};
    EXPECT_FALSE(window->close());
    ASSERT_EQ(log.flawsSeen.size(), 1);
    EXPECT_TRUE(log.flawedSaveChosen);

    // Only that save: the next Ctrl+S is careful again.
    Press(QKeySequence::Save);
    EXPECT_FALSE(log.flawedSaveChosen);
    EXPECT_EQ(ReadFile(bank), BankBytes(NumberedRecords()));
}

TEST_F(EditorSession, TheRealQuestionBoxAnswersCancelThenSave) {
    const auto bank = WriteBank("real.qb");
    window = Open(MakeSystemDialogs());
    ASSERT_TRUE(window->openFile(Path(bank)));
    Type(Edit(Field::Question), QStringLiteral("!"));

    // Answers the box once it is up, while close() waits in its event loop.
    QString asked;
    const auto answer = [&](QMessageBox::StandardButton button) {
        QTimer::singleShot(0, [&asked, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            asked = box->text();
            box->button(button)->click();
        });
    };
    answer(QMessageBox::Cancel);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(asked.contains(QLatin1String("real.qb"))) << asked.toStdString();

    answer(QMessageBox::Save);
    EXPECT_TRUE(window->close());
    auto records = NumberedRecords();
    records[0].question.assign("Q1!");
    EXPECT_EQ(ReadFile(bank), BankBytes(records));
}

TEST_F(EditorSession, TheRealBoxesSayDontSaveAndAfterSaveDefaultToSaving) {
    const auto bank = WriteBank("real.qb");
    window = Open(MakeSystemDialogs());
    ASSERT_TRUE(window->openFile(Path(bank)));
    Edit(Field::AnswerA)->setFocus();
    Press(QKeySequence::SelectAll);
    Press(Qt::Key_Backspace);

    QString dontSave;
    bool saveIsDefault = false;
    OnNextBox([&](QMessageBox* unsaved) {
        dontSave = unsaved->button(QMessageBox::Discard)->text();
        // The warning about the empty answer comes up once this box has gone.
        OnNextBox(
            [&](QMessageBox* warning) {
                saveIsDefault = warning->defaultButton() != nullptr &&
                                warning->defaultButton() == warning->button(QMessageBox::Save);
                warning->button(QMessageBox::Save)->click();
            },
            unsaved);
        unsaved->button(QMessageBox::Save)->click();
    });
    EXPECT_TRUE(window->close());
    EXPECT_EQ(dontSave, QStringLiteral("&Don't save"));
    EXPECT_TRUE(saveIsDefault);
    EXPECT_EQ(ReadFile(bank), BankBytes(window->document().records()));
}

TEST_F(EditorSession, ExportedTablesOpenAsTheSameBankAndTheSheetBecomesAPdf) {
    ASSERT_TRUE(window->openFile(Path(WriteBank("source.qb"))));
    // A name given without its ending gets the one of the kind chosen.
    for (const auto& [action, given, written] :
         {std::tuple{"exportWorkbook", "lesson", "lesson.xlsx"},
          std::tuple{"exportUtf8", "utf8.csv", "utf8.csv"},
          std::tuple{"exportExcel", "excel.csv", "excel.csv"}}) {
        const auto table = dir / written;
        log.paths.push_back(Path(dir / given));
        window->findChild<QAction*>(action)->trigger();
        const auto reopened = Open();
        ASSERT_TRUE(reopened->openFile(Path(table))) << log.errors.join('\n').toStdString();
        EXPECT_EQ(BankBytes(reopened->document().records()),
                  BankBytes(window->document().records()))
            << action;
        // A bank made from a table has no file of its own until saved.
        EXPECT_TRUE(reopened->isWindowModified());
        EXPECT_TRUE(reopened->document().filePath().isEmpty());
    }

    log.paths.push_back(Path(dir / "sheet.pdf"));
    window->findChild<QAction*>("sheetPdf")->trigger();
    EXPECT_EQ(ReadFile(dir / "sheet.pdf").substr(0, 5), "%PDF-");
    EXPECT_TRUE(log.errors.isEmpty());
}

struct BadFile {
    const char* name;
    const char* file;
    std::function<void(const std::filesystem::path&)> make;
};

class BadFileKeepsTheBank : public EditorSession, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadFileKeepsTheBank, WithAMessageAndNothingWritten) {
    const auto bank = WriteBank("open.qb");
    ASSERT_TRUE(window->openFile(Path(bank)));
    Type(Edit(Field::Question), QStringLiteral("?"));
    const QString title = window->windowTitle();
    const auto path = dir / GetParam().file;
    GetParam().make(path);
    const auto before = std::filesystem::exists(path) && std::filesystem::is_regular_file(path)
                            ? ReadFile(path)
                            : std::string();

    EXPECT_FALSE(window->openFile(Path(path)));
    ASSERT_EQ(log.errors.size(), 1);
    EXPECT_FALSE(log.errors.at(0).isEmpty());
    EXPECT_EQ(Text(1, 1, Field::Question), QStringLiteral("Q1?"));
    EXPECT_EQ(window->windowTitle(), title);
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_EQ(ReadFile(bank), BankBytes(NumberedRecords()));
    if (!before.empty()) {
        EXPECT_EQ(ReadFile(path), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadFileKeepsTheBank,
    ::testing::Values(
        BadFile{"missing", "missing.qb", [](const auto&) {}},
        BadFile{"folder", "folder.qb", [](const auto& p) { std::filesystem::create_directory(p); }},
        BadFile{"short_bank", "short.qb",
                [](const auto& p) { WriteFile(p, BankBytes(NumberedRecords()).substr(0, 1000)); }},
        BadFile{"huge_table", "huge.csv",
                [](const auto& p) { WriteFile(p, std::string(10 * 1024 * 1024, 'a')); }},
        BadFile{"nul_in_table", "nul.csv",
                [](const auto& p) {
                    WriteFile(p, std::string("round,cell,question,answer_a,answer_b,answer_c,"
                                             "correct\n1,1,Q\0x,A,B,C,A\n",
                                             66));
                }},
        BadFile{"table_with_a_gap", "gap.csv",
                [](const auto& p) {
                    WriteFile(p,
                              "round,cell,question,answer_a,answer_b,answer_c,correct\n"
                              "1,1,Q,A,B,C,A\n");
                }}),
    kletochka::test::ParamName());

using FileChoice = EditorDialogs::FileChoice;

// The open bank lesson.qb is changed by another program while the teacher edits it.
struct ChangedBankAnswer {
    const char* name;
    bool comingBack;  // told on coming back to the window, else on Ctrl+S
    FileChoice answer;
    bool fileIsMine;       // lesson.qb holds the window's version afterwards
    const char* question;  // the first question the window shows afterwards
    bool savedElsewhere;   // as other.qb
};

class ChangedBank : public EditorSession,
                    public ::testing::WithParamInterface<ChangedBankAnswer> {};

TEST_P(ChangedBank, IsToldOnceAndGoesAsTheTeacherChooses) {
    const ChangedBankAnswer& c = GetParam();
    const auto bank = WriteBank("lesson.qb", NumberedRecords('M'));
    ASSERT_TRUE(window->openFile(Path(bank)));
    Type(Edit(Field::Question), QStringLiteral("!"));
    const std::string theirs = BankBytes(NumberedRecords('T'));
    WriteFile(bank, theirs);
    log.fileChoices = {c.answer};
    log.paths = {Path(dir / "other.qb")};

    if (c.comingBack) {
        ComeBack();
    } else {
        Press(QKeySequence::Save);
    }
    ASSERT_EQ(log.fileQuestions.size(), 1);
    EXPECT_TRUE(log.fileQuestions.at(0).contains(QLatin1String("lesson.qb")))
        << log.fileQuestions.at(0).toStdString();
    EXPECT_EQ(log.fileOffers.at(0),
              (QList<FileChoice>{FileChoice::Reload, FileChoice::Overwrite, FileChoice::SaveAs}));
    const std::string shown = BankBytes(window->document().records());
    EXPECT_EQ(ReadFile(bank), c.fileIsMine ? shown : theirs);
    EXPECT_EQ(Text(1, 1, Field::Question), QString::fromUtf8(c.question));
    EXPECT_EQ(std::filesystem::exists(dir / "other.qb"), c.savedElsewhere);
    if (c.savedElsewhere) {
        EXPECT_EQ(ReadFile(dir / "other.qb"), shown);
        EXPECT_EQ(window->document().filePath(), Path(dir / "other.qb"));
    }
    EXPECT_EQ(window->isWindowModified(), c.answer == FileChoice::Cancel);

    // Told once: coming back again asks nothing; only a save after Cancel asks again.
    ComeBack();
    EXPECT_EQ(log.fileQuestions.size(), 1);
    Press(QKeySequence::Save);
    EXPECT_EQ(log.fileQuestions.size(), c.answer == FileChoice::Cancel ? 2 : 1);
    EXPECT_EQ(ReadFile(bank), c.fileIsMine ? BankBytes(window->document().records()) : theirs);
    EXPECT_TRUE(log.errors.isEmpty()) << log.errors.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ChangedBank,
    ::testing::Values(
        ChangedBankAnswer{"ComingBackReload", true, FileChoice::Reload, false, "T1", false},
        ChangedBankAnswer{"ComingBackOverwrite", true, FileChoice::Overwrite, true, "M1!", false},
        ChangedBankAnswer{"ComingBackSaveAs", true, FileChoice::SaveAs, false, "M1!", true},
        ChangedBankAnswer{"ComingBackCancel", true, FileChoice::Cancel, false, "M1!", false},
        ChangedBankAnswer{"SavingReload", false, FileChoice::Reload, false, "T1", false},
        ChangedBankAnswer{"SavingOverwrite", false, FileChoice::Overwrite, true, "M1!", false},
        ChangedBankAnswer{"SavingSaveAs", false, FileChoice::SaveAs, false, "M1!", true},
        ChangedBankAnswer{"SavingCancel", false, FileChoice::Cancel, false, "M1!", false}),
    kletochka::test::ParamName());

TEST_F(EditorSession, ABankRemovedMeanwhileIsSavedThereAgainOnlyWhenAsked) {
    const auto bank = WriteBank("lesson.qb");
    ASSERT_TRUE(window->openFile(Path(bank)));
    Type(Edit(Field::Question), QStringLiteral("!"));
    std::filesystem::remove(bank);
    ComeBack();
    ASSERT_EQ(log.fileQuestions.size(), 1);
    EXPECT_EQ(log.fileOffers.at(0), (QList<FileChoice>{FileChoice::Overwrite, FileChoice::SaveAs}));
    EXPECT_FALSE(std::filesystem::exists(bank));

    log.fileChoices = {FileChoice::Overwrite};
    Press(QKeySequence::Save);
    EXPECT_EQ(log.fileQuestions.size(), 2);
    EXPECT_EQ(ReadFile(bank), BankBytes(window->document().records()));
    EXPECT_FALSE(window->isWindowModified());
}

TEST_F(EditorSession, ABankWithBytesAfterItsRecordsIsToldAndSavedAsANewBank) {
    const auto bank = dir / "long.qb";
    const std::string bytes = BankBytes(NumberedRecords()) + "0123456789";
    WriteFile(bank, bytes);
    ASSERT_TRUE(window->openFile(Path(bank)));
    ASSERT_EQ(log.notices.size(), 1);
    EXPECT_TRUE(log.notices.at(0).contains(QDir::toNativeSeparators(Path(bank))));
    EXPECT_TRUE(log.notices.at(0).contains(QLatin1String("10")));
    const QString listed = window->problemList()->model()->index(0, 0).data().toString();
    EXPECT_TRUE(listed.contains(QLatin1String("10"))) << listed.toStdString();
    Type(Edit(Field::Question), QStringLiteral("!"));

    Press(QKeySequence::Save);
    ASSERT_EQ(log.fileQuestions.size(), 1);
    EXPECT_EQ(log.fileOffers.at(0), (QList<FileChoice>{FileChoice::SaveAs, FileChoice::Overwrite}));
    EXPECT_EQ(ReadFile(bank), bytes);
    EXPECT_TRUE(window->isWindowModified());

    log.fileChoices = {FileChoice::SaveAs};
    log.paths.push_back(Path(dir / "fixed.qb"));
    Press(QKeySequence::Save);
    EXPECT_EQ(ReadFile(dir / "fixed.qb"), BankBytes(window->document().records()));
    EXPECT_EQ(ReadFile(bank), bytes);
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(log.notices.size(), 1);
    EXPECT_TRUE(log.errors.isEmpty()) << log.errors.join('\n').toStdString();
}

TEST_F(EditorSession, AReadOnlyBankAsksBeforeItIsSavedAndStaysReadOnly) {
    kletochka::test::ExpectAsThisUserAndNobody(
        dir.path(), [&](const std::filesystem::path& folder) {
            log = {};
            const auto bank = folder / "ro.qb";
            WriteFile(bank, BankBytes(NumberedRecords()));
            MakeReadOnly(bank);
            ASSERT_TRUE(window->openFile(Path(bank)));
            Type(Edit(Field::Question), QStringLiteral("!"));

            Press(QKeySequence::Save);
            ASSERT_EQ(log.fileQuestions.size(), 1);
            EXPECT_TRUE(log.fileQuestions.at(0).contains(QLatin1String("ro.qb")));
            EXPECT_EQ(log.fileOffers.at(0),
                      (QList<FileChoice>{FileChoice::Overwrite, FileChoice::SaveAs}));
            EXPECT_EQ(ReadFile(bank), BankBytes(NumberedRecords()));
            EXPECT_TRUE(window->isWindowModified());

            log.fileChoices = {FileChoice::Overwrite};
            Press(QKeySequence::Save);
            EXPECT_EQ(ReadFile(bank), BankBytes(window->document().records()));
            EXPECT_FALSE(window->isWindowModified());
            EXPECT_EQ(std::filesystem::status(bank).permissions(), kReadOnly);
            EXPECT_TRUE(log.errors.isEmpty()) << log.errors.join('\n').toStdString();
        });
}

TEST_F(EditorSession, ABankTheTeacherMayNotChangeOffersOnlySaveAs) {
    if (!kletochka::test::RunningAsRoot()) {
        GTEST_SKIP() << "needs a file of another user";
    }
    // root's bank in a folder everyone may write, where a rename would replace it.
    std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
    const auto bank = WriteBank("root.qb");
    kletochka::test::ExpectAsNobody([&] {
        ASSERT_TRUE(window->openFile(Path(bank)));
        Type(Edit(Field::Question), QStringLiteral("!"));
        // Even an Overwrite, which is not offered, writes nothing.
        log.fileChoices = {FileChoice::Overwrite, FileChoice::SaveAs};
        log.paths = {Path(dir / "mine.qb")};
        Press(QKeySequence::Save);
        ASSERT_EQ(log.fileQuestions.size(), 2);
        EXPECT_TRUE(log.fileQuestions.at(0).contains(QLatin1String("root.qb")));
        EXPECT_EQ(log.fileOffers.at(0), QList<FileChoice>{FileChoice::SaveAs});
        EXPECT_EQ(ReadFile(bank), BankBytes(NumberedRecords()));
        EXPECT_EQ(ReadFile(dir / "mine.qb"), BankBytes(window->document().records()));
        EXPECT_EQ(window->document().filePath(), Path(dir / "mine.qb"));
        EXPECT_FALSE(window->isWindowModified());
    });
}

TEST_F(EditorSession, ASaveIntoAVanishedFolderSaysSoAndKeepsTheChanges) {
    std::filesystem::create_directory(dir / "lesson");
    WriteFile(dir / "lesson" / "b.qb", BankBytes(NumberedRecords()));
    ASSERT_TRUE(window->openFile(Path(dir / "lesson" / "b.qb")));
    Type(Edit(Field::Question), QStringLiteral("!"));
    std::filesystem::remove_all(dir / "lesson");

    log.fileChoices = {FileChoice::Overwrite};
    Press(QKeySequence::Save);
    ASSERT_EQ(log.errors.size(), 1);
    EXPECT_TRUE(log.errors.at(0).contains(QLatin1String("lesson\" no longer exists")))
        << log.errors.at(0).toStdString();
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_EQ(Text(1, 1, Field::Question), QStringLiteral("Q1!"));
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(EditorSession, AReadOnlyTableIsExportedOverOnlyWhenAsked) {
    ASSERT_TRUE(window->openFile(Path(WriteBank("source.qb"))));
    WriteFile(dir / "t.csv", "old");
    MakeReadOnly(dir / "t.csv");
    log.paths = {Path(dir / "t.csv")};
    window->findChild<QAction*>("exportUtf8")->trigger();
    ASSERT_EQ(log.fileQuestions.size(), 1);
    EXPECT_EQ(ReadFile(dir / "t.csv"), "old");

    log.paths = {Path(dir / "t.csv")};
    log.fileChoices = {FileChoice::Overwrite};
    window->findChild<QAction*>("exportUtf8")->trigger();
    EXPECT_TRUE(ReadFile(dir / "t.csv").starts_with("round,cell,question,"));
    EXPECT_TRUE(log.errors.isEmpty()) << log.errors.join('\n').toStdString();
}

TEST_F(EditorSession, TheRealFileQuestionOffersItsChoicesAndDefaultsToCancel) {
    const auto bank = WriteBank("real.qb");
    window = Open(MakeSystemDialogs());
    ASSERT_TRUE(window->openFile(Path(bank)));
    Type(Edit(Field::Question), QStringLiteral("!"));
    WriteFile(bank, BankBytes(NumberedRecords('T')));

    QStringList choices;
    bool cancelIsDefault = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        cancelIsDefault = box->defaultButton() == box->button(QMessageBox::Cancel) &&
                          box->defaultButton() != nullptr;
        QAbstractButton* overwrite = nullptr;
        for (QAbstractButton* button : box->buttons()) {
            if (box->standardButton(button) == QMessageBox::NoButton) {
                choices << button->text();
            }
            if (button->text() == QLatin1String("&Overwrite")) {
                overwrite = button;
            }
        }
        ASSERT_NE(overwrite, nullptr);
        overwrite->click();
    });
    Press(QKeySequence::Save);
    choices.sort();
    EXPECT_EQ(choices, QStringList({"&Overwrite", "&Reload", "Save &as…"}));
    EXPECT_TRUE(cancelIsDefault);
    EXPECT_EQ(ReadFile(bank), BankBytes(window->document().records()));
    EXPECT_FALSE(window->isWindowModified());
}

}  // namespace
}  // namespace kletochka::editor
