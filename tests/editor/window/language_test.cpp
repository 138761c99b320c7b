// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Russian translation carried in the program reaches every part of the window.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QTranslator>
#include <cerrno>

#include "bank_files.h"
#include "editor/document_files.h"
#include "editor/window/editor_window.h"
#include "editor/window/field_rules.h"
#include "editor/window/preview_pane.h"
#include "editor/window/problem_texts.h"
#include "editor/window/question_form.h"
#include "fake_dialogs.h"
#include "temp_dir.h"
#include "widgets/file_path.h"
#include "widgets/label.h"

namespace kletochka::editor {
namespace {

class RussianWindow : public ::testing::Test {
  protected:
    QTranslator translator;
    test::FakeDialogs::Log log;

    void SetUp() override {
        ASSERT_TRUE(translator.load(QLocale(QLocale::Russian, QLocale::Russia),
                                    QStringLiteral("kletochka-editor"), QStringLiteral("_"),
                                    QStringLiteral(":/i18n")));
        QApplication::installTranslator(&translator);
    }
    void TearDown() override { QApplication::removeTranslator(&translator); }
};

TEST_F(RussianWindow, MenusFieldsProblemsAndRefusalsSpeakRussian) {
    EditorWindow window(std::make_unique<test::FakeDialogs>(log));
    QStringList menus;
    for (QAction* action : window.menuBar()->actions()) {
        menus << action->text();
    }
    EXPECT_EQ(menus, QStringList({"&Файл", "&Правка", "П&ереход"}));
    EXPECT_EQ(window.form()->answerButton(2)->accessibleName(),
              QStringLiteral("Правильный ответ B"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Новые вопросы[*]"));

    BankProblem empty;
    empty.round = 2;
    empty.cell = 3;
    empty.field = Field::AnswerC;
    empty.kind = authoring::ProblemKind::Empty;
    EXPECT_EQ(ProblemSummary(empty),
              QStringLiteral("Гейм 2, клетка В, ответ C: пусто, класс ничего не увидит"));
    EXPECT_TRUE(FieldRefusal(QStringLiteral("😀"))->contains(QStringLiteral("нельзя сохранить")));
}

TEST_F(RussianWindow, CountsOfWorkLeftAndLettersAreInRussianNumbers) {
    BankProblem unwritten;
    unwritten.kind = authoring::ProblemKind::Unwritten;
    unwritten.total = 63;
    for (const auto& [count, said] : {std::pair(63, "Ещё не написаны: 63 вопроса из 63"),
                                      std::pair(1, "Ещё не написан: 1 вопрос из 63"),
                                      std::pair(5, "Ещё не написаны: 5 вопросов из 63")}) {
        unwritten.count = count;
        EXPECT_EQ(ProblemSummary(unwritten), QString::fromUtf8(said));
    }

    BankProblem balance;
    balance.kind = authoring::ProblemKind::Balance;
    balance.round = 2;
    balance.letter = 1;
    balance.count = 7;
    balance.total = 9;
    EXPECT_EQ(ProblemSummary(balance),
              QStringLiteral("Слишком часто одна буква: в гейме 2 правильный ответ «A» у 7 "
                             "вопросов из 9"));

    QuestionForm form;
    form.showText(Field::AnswerA, QStringLiteral("Ёж"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^ещё ≈\\d+ букв[аы]?$"))
                    .match(form.counter(Field::AnswerA)->text())
                    .hasMatch())
        << form.counter(Field::AnswerA)->text().toStdString();
}

TEST_F(RussianWindow, TheCaptionNamesTheFontATableItsNameAndCloseSaysDontSave) {
    kletochka::test::TempDir dir;
    // u8: a name in Russian that every system's file names hold as it is.
    const QString table = FromStdPath(dir.path() / u8"урок.csv");
    WriteTableFile(table, kletochka::test::NumberedRecords(), authoring::TableFlavour::Utf8Comma);
    // Its recent files go to a settings file of its own, never the person's.
    kletochka::test::WriteFile(dir / kPortableSettingsName, "");
    EditorWindow window(MakeSystemDialogs(),
                        SettingsPlace::ForProgramIn(QString::fromStdString(dir.path().string())));
    ASSERT_TRUE(window.openFile(table));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("урок.csv (таблица)[*]"));

    const QString family = QFontInfo(window.preview()->label(Field::Question)->font()).family();
    const QString caption =
        family == QLatin1String("Arial")
            ? QStringLiteral("Что увидит класс (шрифт Arial)")
            : QStringLiteral("Что увидит класс (шрифт %1 вместо игрового Arial)").arg(family);
    QStringList titles;
    for (const QGroupBox* box : window.findChildren<QGroupBox*>()) {
        titles << box->title();
    }
    EXPECT_TRUE(titles.contains(caption)) << titles.join(" | ").toStdString();

    QString dontSave;
    QTimer::singleShot(0, [&dontSave] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        dontSave = box->button(QMessageBox::Discard)->text();
        box->button(QMessageBox::Cancel)->click();
    });
    EXPECT_FALSE(window.close());
    EXPECT_EQ(dontSave, QStringLiteral("&Не сохранять"));
}

TEST_F(RussianWindow, PreviewMarksSayWhatTheProblemListSays) {
    PreviewPane preview;
    const QString text = QStringLiteral("Тираннозавр & птеродактиль");
    preview.showText(Field::AnswerB, text);
    EXPECT_EQ(preview.mark(Field::AnswerB),
              QStringLiteral("не помещается, класс увидит его обрезанным (ширина %1 пикс., а места "
                             "273); «&» не видно, следующая буква подчёркнута")
                  .arg(ShownWidth(Field::AnswerB, text)));
}

TEST_F(RussianWindow, WhatASaveAsksOrSaysIsRussianAndNamesTheFile) {
    EXPECT_TRUE(DiskChangeQuestion(QStringLiteral("/школа/урок.qb"), false)
                    .startsWith(QStringLiteral("Файл «%1» изменила другая программа")
                                    .arg(QDir::toNativeSeparators("/школа/урок.qb"))));
    kletochka::test::TempDir dir;
    const QString bank = QString::fromStdString((dir / "урок.qb").string());
    authoring::WriteOptions options;
    options.beforeStep = [](authoring::WriteStep step) {
        return step == authoring::WriteStep::Write ? ENOSPC : 0;
    };
    try {
        WriteBankFile(bank, {}, options);
        ADD_FAILURE() << "saved";
    } catch (const Error& e) {
        EXPECT_TRUE(QString::fromStdString(e.what()).startsWith(
            QStringLiteral("Диск заполнен, поэтому файл «%1» не сохранён").arg(bank)))
            << e.what();
    }
}

}  // namespace
}  // namespace kletochka::editor
