// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <unistd.h>

#include <QSignalSpy>
#include <cstring>

#include "bank_files.h"
#include "editor/bank_document.h"
#include "editor/document_files.h"
#include "editor_files.h"
#include "run_qbtool.h"
#include "tables.h"
#include "temp_dir.h"

namespace kletochka::editor {
namespace {

using authoring::TableFlavour;
using test::QtPath;
using test::ReadFile;
using test::WriteFile;

class DocumentFilesTest : public ::testing::Test {
  protected:
    test::TempDir dir;
    BankDocument doc;
};

TEST_F(DocumentFilesTest, ABankOpenedAndSavedUnchangedKeepsEveryByte) {
    // Bytes past each text's length are not the text, but they are the file.
    const std::string bytes = test::BankBytes(test::NumberedRecords('Q', '\x7E'));
    WriteFile(dir / "b.qb", bytes);
    doc.open(QtPath(dir / "b.qb"));
    EXPECT_EQ(doc.filePath(), QtPath(dir / "b.qb"));
    doc.save();
    EXPECT_EQ(ReadFile(dir / "b.qb"), bytes);
    EXPECT_EQ(test::FileNames(dir.path()), std::vector<std::string>{"b.qb"});
}

TEST_F(DocumentFilesTest, ATableOpenedAndSavedGivesTheBytesOfQbtoolBuild) {
    // Semicolons, Windows-1251 and rows upside down: the same import as build.
    std::vector<std::string> lines = test::GoodLines();
    std::reverse(lines.begin() + 1, lines.end());
    std::string table = test::Cp1251(test::Joined(lines));
    for (char& c : table) {
        c = c == ',' ? ';' : c;
    }
    WriteFile(dir / "lesson.csv", table);
    ASSERT_EQ(test::RunQbtoolWith(
                  {"build", (dir / "lesson.csv").string(), "-o", (dir / "built.qb").string()})
                  .status,
              0);
    doc.open(QtPath(dir / "lesson.csv"));
    // Made from a table, the bank has no file of its own until it is saved.
    EXPECT_TRUE(doc.filePath().isEmpty());
    EXPECT_EQ(doc.suggestedPath(), QtPath(dir / "lesson.qb"));
    EXPECT_TRUE(doc.isModified());
    doc.saveAs(doc.suggestedPath());
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(ReadFile(dir / "lesson.qb"), ReadFile(dir / "built.qb"));
    EXPECT_EQ(ReadFile(dir / "lesson.csv"), table);
}

TEST_F(DocumentFilesTest, AnExportedTableOpensAsTheSameBankInBothFlavours) {
    const QuestionBank::Records records = test::RussianRecords();
    WriteBankFile(QtPath(dir / "b.qb"), records);
    doc.open(QtPath(dir / "b.qb"));
    for (const auto flavour : {TableFlavour::Utf8Comma, TableFlavour::Windows1251Semicolon}) {
        doc.exportTable(QtPath(dir / "t.csv"), flavour);
        BankDocument again;
        again.open(QtPath(dir / "t.csv"));
        EXPECT_EQ(std::memcmp(again.records().data(), records.data(), sizeof records), 0);
    }
    // The flavours differ where a spreadsheet cares: the code page and the separator.
    doc.exportTable(QtPath(dir / "excel.csv"), TableFlavour::Windows1251Semicolon);
    const std::string excel = ReadFile(dir / "excel.csv");
    EXPECT_TRUE(excel.starts_with("round;cell;question;"));
    EXPECT_NE(excel.find(test::Cp1251("Ёж 1")), std::string::npos);
    doc.exportTable(QtPath(dir / "calc.csv"), TableFlavour::Utf8Comma);
    EXPECT_NE(ReadFile(dir / "calc.csv").find("Ёж 1"), std::string::npos);
}

TEST_F(DocumentFilesTest, TheBundledQuestionsComeBackFromEitherExport) {
    doc.open(KLETOCHKA_DEFAULT_QUESTIONS);
    const QuestionBank::Records records = doc.records();
    for (const auto flavour : {TableFlavour::Utf8Comma, TableFlavour::Windows1251Semicolon}) {
        doc.exportTable(QtPath(dir / "t.csv"), flavour);
        BankDocument again;
        again.open(QtPath(dir / "t.csv"));
        EXPECT_EQ(std::memcmp(again.records().data(), records.data(), sizeof records), 0);
    }
}

TEST_F(DocumentFilesTest, TheHostSheetIsQbtoolSheetOfTheSameBank) {
    const QuestionBank::Records records = test::RussianRecords();
    WriteBankFile(QtPath(dir / "lesson.qb"), records);
    ASSERT_EQ(test::RunQbtoolWith(
                  {"sheet", (dir / "lesson.qb").string(), "-o", (dir / "sheet.html").string()})
                  .status,
              0);
    doc.open(QtPath(dir / "lesson.qb"));
    EXPECT_EQ(doc.hostSheet("lesson.qb").toStdString(), ReadFile(dir / "sheet.html"));
}

TEST_F(DocumentFilesTest, ATableWithMistakesListsThemByLineAndField) {
    std::vector<std::string> lines = test::GoodLines();
    lines[5] = "1,5,Вопрос?,а,б,в,В";  // a Cyrillic letter for the right answer
    lines.erase(lines.begin() + 9);    // no row for round 1, cell 9
    WriteFile(dir / "t.csv", test::Joined(lines));
    try {
        doc.open(QtPath(dir / "t.csv"));
        FAIL() << "opened";
    } catch (const OpenError& e) {
        ASSERT_EQ(e.problems().size(), 2u);
        EXPECT_EQ(e.problemCount(), 2u);
        EXPECT_EQ(e.problems()[0].line, 6);
        EXPECT_EQ(e.problems()[0].field, Field::Correct);
        EXPECT_EQ(e.problems()[1].round, 1);
        EXPECT_EQ(e.problems()[1].cell, 9);
        EXPECT_NE(std::string(e.what()).find("2 problems"), std::string::npos);
    }
}

struct BadFile {
    const char* name;
    const char* file;
    // Makes the bad file in the folder.
    void (*make)(const std::filesystem::path& path);
    const char* message;  // a part of the message, never a system's own words
};
void PrintTo(const BadFile& c, std::ostream* os) {
    *os << c.name;
}

class BadFileTest : public ::testing::TestWithParam<BadFile> {};

TEST_P(BadFileTest, ClearMessageDocumentUntouchedNothingWritten) {
    test::TempDir dir;
    BankDocument doc;
    WriteBankFile(QtPath(dir / "mine.qb"), test::RussianRecords());
    doc.open(QtPath(dir / "mine.qb"));
    doc.setText(1, 1, Field::Question, "edited");
    const QuestionBank::Records before = doc.records();
    const auto bad = dir / GetParam().file;
    GetParam().make(bad);
    const std::vector<std::string> files = test::FileNames(dir.path());
    QSignalSpy reset(&doc, &BankDocument::bankReset);
    QSignalSpy problems(&doc, &BankDocument::problemsChanged);

    try {
        doc.open(QtPath(bad));
        FAIL() << "opened";
    } catch (const OpenError& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().message), std::string::npos) << e.what();
    }
    EXPECT_EQ(std::memcmp(doc.records().data(), before.data(), sizeof before), 0);
    EXPECT_EQ(doc.filePath(), QtPath(dir / "mine.qb"));
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.undoStack()->count(), 1);
    EXPECT_EQ(reset.count() + problems.count(), 0);
    EXPECT_EQ(test::FileNames(dir.path()), files);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadFileTest,
    ::testing::Values(
        BadFile{"MissingBank", "none.qb", [](const auto&) {}, "none.qb: File not found"},
        BadFile{"ShortBank", "short.qb",
                [](const auto& p) { WriteFile(p, std::string(18143, 'x')); },
                "short.qb: Read beyond end of file"},
        BadFile{"FolderAsBank", "folder.qb",
                [](const auto& p) { std::filesystem::create_directory(p); }, "folder.qb: "},
        BadFile{"FolderAsTable", "folder.csv",
                [](const auto& p) { std::filesystem::create_directory(p); }, "folder.csv"},
        BadFile{"MissingTable", "none.csv", [](const auto&) {}, "none.csv"},
        BadFile{"EmptyTable", "empty.csv", [](const auto& p) { WriteFile(p, ""); }, "1 problem"},
        BadFile{"NulInTable", "nul.csv",
                [](const auto& p) {
                    std::string text = test::Joined(test::GoodLines());
                    text[100] = '\0';
                    WriteFile(p, text);
                },
                "1 problem"},
        BadFile{"TenMegabyteTable", "big.csv",
                [](const auto& p) {
                    std::string text = test::Joined(test::GoodLines());
                    text += std::string(10 * 1024 * 1024, 'x') + "\r\n";
                    WriteFile(p, text);
                },
                "1 problem"}),
    test::ParamName());

TEST_F(DocumentFilesTest, AnUnreadableFileSaysSoAndOpensNothing) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads any file";
    }
    for (const char* name : {"locked.qb", "locked.csv"}) {
        WriteFile(dir / name, test::Joined(test::GoodLines()) + std::string(18144, ' '));
        std::filesystem::permissions(dir / name, std::filesystem::perms::none);
        try {
            doc.open(QtPath(dir / name));
            FAIL() << "opened " << name;
        } catch (const OpenError& e) {
            EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
        }
    }
    EXPECT_TRUE(doc.filePath().isEmpty());
    EXPECT_EQ(doc.problems().all().size(), 63u * 5u);
}

TEST_F(DocumentFilesTest, AFailedSaveLeavesTheOldFileTheDocumentAndTheFolderAlone) {
    const std::string old = test::BankBytes(test::NumberedRecords());
    WriteFile(dir / "b.qb", old);
    doc.open(QtPath(dir / "b.qb"));
    doc.setText(1, 1, Field::Question, "changed");
    std::filesystem::create_directory(dir / "folder.qb");
    EXPECT_THROW(doc.saveAs(QtPath(dir / "folder.qb")), Error);
    EXPECT_THROW(doc.saveAs(QtPath(dir / "no" / "such.qb")), Error);
    EXPECT_EQ(doc.filePath(), QtPath(dir / "b.qb"));
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(ReadFile(dir / "b.qb"), old);
    EXPECT_EQ(test::FileNames(dir.path()), (std::vector<std::string>{"b.qb", "folder.qb"}));
    EXPECT_TRUE(std::filesystem::is_empty(dir / "folder.qb"));
}

}  // namespace
}  // namespace kletochka::editor
