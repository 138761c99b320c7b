// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QSignalSpy>
#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include "as_nobody.h"
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

TEST_F(DocumentFilesTest, AFolderNamedInRussianWithACharacterNoCodePageHoldsBankAndTable) {
    const std::filesystem::path folder = dir.path() / u8"Вопросы 5 «А» ✓";
    std::filesystem::create_directory(folder);
    const QString name = QtPath(dir.path()) + QString::fromUtf8("/Вопросы 5 «А» ✓/урок «5 А» ✓");
    const QuestionBank::Records records = test::RussianRecords();
    WriteBankFile(name + ".qb", records);
    EXPECT_EQ(ReadFile(folder / u8"урок «5 А» ✓.qb"), test::BankBytes(records));
    doc.open(name + ".qb");
    EXPECT_EQ(std::memcmp(doc.records().data(), records.data(), sizeof records), 0);
    for (const char* table : {".csv", ".xlsx"}) {
        doc.exportTable(name + table, TableFlavour::Windows1251Semicolon);
        BankDocument again;
        again.open(name + table);
        EXPECT_EQ(std::memcmp(again.records().data(), records.data(), sizeof records), 0);
    }
    EXPECT_TRUE(std::filesystem::exists(folder / u8"урок «5 А» ✓.csv"));
    EXPECT_EQ(ReadFile(folder / u8"урок «5 А» ✓.xlsx").substr(0, 2), "PK");
}

TEST_F(DocumentFilesTest, TheBundledQuestionsComeBackFromEveryExport) {
    doc.open(KLETOCHKA_DEFAULT_QUESTIONS);
    const QuestionBank::Records records = doc.records();
    for (const auto& [name, flavour] : {std::pair{"t.csv", TableFlavour::Utf8Comma},
                                        std::pair{"t.csv", TableFlavour::Windows1251Semicolon},
                                        std::pair{"t.xlsx", TableFlavour::Utf8Comma}}) {
        doc.exportTable(QtPath(dir / name), flavour);
        BankDocument again;
        again.open(QtPath(dir / name));
        EXPECT_EQ(std::memcmp(again.records().data(), records.data(), sizeof records), 0);
        EXPECT_TRUE(again.tableNotice().isEmpty()) << again.tableNotice().toStdString();
    }
}

TEST_F(DocumentFilesTest, ATableWithTextsASpreadsheetRewroteOpensWithThemMarked) {
    std::vector<std::string> lines = test::GoodLines();
    lines[4] = "1,4,Сколько нулей?,1.00E+05,б,в,A";
    WriteFile(dir / "t.csv", test::Joined(lines));
    doc.open(QtPath(dir / "t.csv"));
    EXPECT_EQ(doc.text(1, 4, Field::AnswerA), QStringLiteral("1.00E+05"));
    EXPECT_TRUE(doc.tableNotice().contains(QStringLiteral("1.00E+05")))
        << doc.tableNotice().toStdString();
    const std::vector<BankProblem> marked = doc.problems().fileProblems();
    ASSERT_EQ(marked.size(), 1u);
    EXPECT_EQ(marked[0].kind, authoring::ProblemKind::Rewritten);
    EXPECT_EQ(std::tuple(marked[0].line, marked[0].round, marked[0].cell, marked[0].field),
              std::tuple(5, 1, 4, std::optional(Field::AnswerA)));
    // Saved as a bank, the text is the teacher's now; a fresh bank says nothing of it.
    doc.saveAs(QtPath(dir / "t.qb"));
    EXPECT_TRUE(doc.problems().fileProblems().empty());
    doc.newBank();
    EXPECT_TRUE(doc.tableNotice().isEmpty());
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
        EXPECT_EQ(e.problems()[0].lineText, QStringLiteral("1,5,Вопрос?,а,б,в,В"));
        EXPECT_EQ(e.problems()[0].fault, authoring::TableFault::RussianLetter);
        EXPECT_EQ(e.problems()[0].value, QStringLiteral("В"));
        EXPECT_EQ(e.problems()[1].round, 1);
        EXPECT_EQ(e.problems()[1].cell, 9);
        EXPECT_EQ(e.problems()[1].fault, authoring::TableFault::RowMissing);
        EXPECT_EQ(e.failure(), ReadFailure::TableProblems);
        EXPECT_NE(std::string(e.what()).find("the table has 2 mistake"), std::string::npos)
            << e.what();
    }
}

struct BadFile {
    const char* name;
    const char* file;
    // Makes the bad file in the folder.
    void (*make)(const std::filesystem::path& path);
    ReadFailure failure;
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
        EXPECT_EQ(e.failure(), GetParam().failure) << e.what();
        EXPECT_NE(std::string(e.what()).find(GetParam().file), std::string::npos) << e.what();
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
    ::testing::Values(BadFile{"MissingBank", "none.qb", [](const auto&) {}, ReadFailure::Missing},
                      BadFile{"ShortBank", "short.qb",
                              [](const auto& p) { WriteFile(p, std::string(18143 - 288, 'x')); },
                              ReadFailure::ShortBank},
                      BadFile{"FolderAsBank", "folder.qb",
                              [](const auto& p) { std::filesystem::create_directory(p); },
                              ReadFailure::Folder},
                      BadFile{"FolderAsTable", "folder.csv",
                              [](const auto& p) { std::filesystem::create_directory(p); },
                              ReadFailure::Folder},
                      BadFile{"MissingTable", "none.csv", [](const auto&) {}, ReadFailure::Missing},
                      BadFile{"EmptyTable", "empty.csv", [](const auto& p) { WriteFile(p, ""); },
                              ReadFailure::TableProblems},
                      BadFile{"NulInTable", "nul.csv",
                              [](const auto& p) {
                                  std::string text = test::Joined(test::GoodLines());
                                  text[100] = '\0';
                                  WriteFile(p, text);
                              },
                              ReadFailure::TableProblems},
                      BadFile{"TenMegabyteTable", "big.csv",
                              [](const auto& p) {
                                  std::string text = test::Joined(test::GoodLines());
                                  text += std::string(10 * 1024 * 1024, 'x') + "\r\n";
                                  WriteFile(p, text);
                              },
                              ReadFailure::TableProblems}),
    test::ParamName());

TEST_F(DocumentFilesTest, AnUnreadableFileSaysSoAndOpensNothing) {
    // The folder lets everyone in, so only the files' own permissions refuse.
    std::filesystem::permissions(dir.path(), std::filesystem::perms::others_exec,
                                 std::filesystem::perm_options::add);
    std::vector<std::unique_ptr<test::UnreadableFile>> locks;
    for (const char* name : {"locked.qb", "locked.csv"}) {
        WriteFile(dir / name, test::Joined(test::GoodLines()) + std::string(18144, ' '));
        locks.push_back(std::make_unique<test::UnreadableFile>(dir / name));
    }
    test::ExpectAsNobody([&] {
        for (const char* name : {"locked.qb", "locked.csv"}) {
            try {
                doc.open(QtPath(dir / name));
                ADD_FAILURE() << "opened " << name;
            } catch (const OpenError& e) {
                EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
            }
        }
        EXPECT_TRUE(doc.filePath().isEmpty());
        EXPECT_EQ(doc.problems().all().size(), 63u * 5u);
    });
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

// What another program does to the open bank b.qb, which holds NumberedRecords('M').
struct DiskChange {
    const char* name;
    void (*make)(const std::filesystem::path& folder);
    BankDocument::DiskChange change;
};
void PrintTo(const DiskChange& c, std::ostream* os) {
    *os << c.name;
}

class ChangedOnDisk : public ::testing::TestWithParam<DiskChange> {
  protected:
    test::TempDir dir;
};

TEST_P(ChangedOnDisk, IsToldOnceAndNeverOverwrittenWithoutConsent) {
    using Change = BankDocument::DiskChange;
    test::ExpectAsThisUserAndNobody(dir.path(), [](const std::filesystem::path& folder) {
        const auto bank = folder / "b.qb";
        WriteFile(bank, test::BankBytes(test::NumberedRecords('M')));
        BankDocument doc;
        doc.open(QtPath(bank));
        // Its own saves are no change.
        doc.save();
        EXPECT_EQ(doc.diskChange(), Change::None);
        doc.setText(1, 1, Field::Question, "mine");
        // A second spelling of its name: through a link to the folder or, where the system
        // makes none (Windows without developer rights), through "..".
        std::error_code noLink;
        std::filesystem::create_directory_symlink(".", folder / "same", noLink);
        const auto otherSpelling =
            noLink ? folder / ".." / folder.filename() / "b.qb" : folder / "same" / "b.qb";
        const std::vector<std::string> names = test::FileNames(folder);

        GetParam().make(folder);
        const std::string theirs = std::filesystem::exists(bank) ? ReadFile(bank) : "";
        EXPECT_EQ(doc.diskChange(), GetParam().change);
        EXPECT_EQ(doc.takeDiskChange(), GetParam().change);
        EXPECT_EQ(doc.takeDiskChange(), Change::None);
        EXPECT_EQ(doc.diskChange(), GetParam().change);

        // By either spelling of its name.
        for (const QString& path : {QtPath(bank), QtPath(otherSpelling)}) {
            try {
                doc.saveAs(path);
                ADD_FAILURE() << "saved over " << path.toStdString();
            } catch (const SaveQuestion& question) {
                EXPECT_EQ(question.kind(), GetParam().change == Change::Gone
                                               ? SaveQuestion::Kind::Gone
                                               : SaveQuestion::Kind::Changed);
                EXPECT_NE(std::string(question.what()).find("b.qb"), std::string::npos);
            }
            EXPECT_EQ(std::filesystem::exists(bank) ? ReadFile(bank) : "", theirs);
        }
        EXPECT_TRUE(doc.isModified());

        doc.save(SaveConsent{.overwriteChanged = true});
        EXPECT_EQ(ReadFile(bank), test::BankBytes(doc.records()));
        EXPECT_EQ(doc.text(1, 1, Field::Question), QStringLiteral("mine"));
        EXPECT_EQ(doc.diskChange(), Change::None);
        doc.save();
        EXPECT_EQ(test::FileNames(folder), names);
    });
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ChangedOnDisk,
    ::testing::Values(
        DiskChange{"AColleagueSavesOverIt",
                   [](const auto& f) {
                       WriteFile(f / "b.qb", test::BankBytes(test::NumberedRecords('T')));
                   },
                   BankDocument::DiskChange::Changed},
        DiskChange{"SameSizeAndTime",
                   [](const auto& f) {
                       const auto time = std::filesystem::last_write_time(f / "b.qb");
                       WriteFile(f / "b.qb", test::BankBytes(test::NumberedRecords('T')));
                       std::filesystem::last_write_time(f / "b.qb", time);
                   },
                   BankDocument::DiskChange::Changed},
        DiskChange{"QbtoolBuildsOverIt",
                   [](const auto& f) {
                       WriteFile(f / "t.csv", test::Joined(test::GoodLines()));
                       ASSERT_EQ(test::RunQbtoolWith(
                                     {"build", (f / "t.csv").string(), "-o", (f / "b.qb").string()})
                                     .status,
                                 0);
                       std::filesystem::remove(f / "t.csv");
                   },
                   BankDocument::DiskChange::Changed},
        DiskChange{"Removed", [](const auto& f) { std::filesystem::remove(f / "b.qb"); },
                   BankDocument::DiskChange::Gone}),
    test::ParamName());

TEST_F(DocumentFilesTest, ReloadTakesTheFileAsItIsNow) {
    WriteFile(dir / "b.qb", test::BankBytes(test::NumberedRecords('M')));
    doc.open(QtPath(dir / "b.qb"));
    doc.setText(1, 1, Field::Question, "mine");
    WriteFile(dir / "b.qb", test::BankBytes(test::NumberedRecords('T')));
    doc.reload();
    EXPECT_EQ(doc.text(1, 1, Field::Question), QStringLiteral("T1"));
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.undoStack()->count(), 0);
    EXPECT_EQ(doc.diskChange(), BankDocument::DiskChange::None);
    doc.setText(1, 1, Field::Question, "again");
    doc.save();
    EXPECT_EQ(ReadFile(dir / "b.qb"), test::BankBytes(doc.records()));
}

// A bank file longer or shorter than a bank, as another program or a broken copy leaves one.
struct WrongLength {
    const char* name;
    std::string bytes;
    const char* told;  // a number the notice and the question must give
    int records;       // the records shown as the file has them; the rest are empty
};
void PrintTo(const WrongLength& c, std::ostream* os) {
    *os << c.name;
}

class WrongLengthTest : public DocumentFilesTest,
                        public ::testing::WithParamInterface<WrongLength> {};

TEST_P(WrongLengthTest, OpensSaysSoAndSavesOverItOnlyWhenAsked) {
    const WrongLength& c = GetParam();
    const auto bank = dir / "odd.qb";
    WriteFile(bank, c.bytes);
    doc.open(QtPath(bank));
    const QuestionBank::Records numbered = test::NumberedRecords();
    for (std::size_t i = 0; i < numbered.size(); ++i) {
        const QuestionRecord expected =
            static_cast<int>(i) < c.records ? numbered[i] : QuestionRecord{};
        ASSERT_EQ(std::memcmp(&doc.records()[i], &expected, sizeof expected), 0) << "record " << i;
    }
    const QString notice = doc.fileLengthNotice();
    EXPECT_TRUE(notice.contains(QDir::toNativeSeparators(QtPath(bank)))) << notice.toStdString();
    EXPECT_TRUE(notice.contains(QLatin1String(c.told))) << notice.toStdString();
    ASSERT_FALSE(doc.problems().all().empty());
    const bool longer = c.bytes.size() > QuestionBank::kFileSize;
    EXPECT_EQ(doc.problems().all().front().kind,
              longer ? authoring::ProblemKind::FileSize : authoring::ProblemKind::CutShort);
    EXPECT_EQ(doc.problems().all().front().count,
              longer ? static_cast<int>(c.bytes.size() - QuestionBank::kFileSize) : c.records);

    doc.setText(1, 1, Field::Question, "mine");
    try {
        doc.save();
        ADD_FAILURE() << "saved over it";
    } catch (const SaveQuestion& question) {
        EXPECT_EQ(question.kind(), SaveQuestion::Kind::Length);
        EXPECT_NE(std::string(question.what()).find("odd.qb"), std::string::npos);
    }
    EXPECT_EQ(ReadFile(bank), c.bytes);
    EXPECT_TRUE(doc.isModified());

    // Save As a new bank writes the 63 records and leaves the file alone.
    doc.saveAs(QtPath(dir / "new.qb"));
    EXPECT_EQ(ReadFile(dir / "new.qb"), test::BankBytes(doc.records()));
    EXPECT_EQ(ReadFile(bank), c.bytes);
    EXPECT_TRUE(doc.fileLengthNotice().isEmpty());

    // Over the odd file itself only with consent.
    doc.open(QtPath(bank));
    doc.save(SaveConsent{.overWrongLength = true});
    EXPECT_EQ(ReadFile(bank).size(), QuestionBank::kFileSize);
    EXPECT_TRUE(doc.fileLengthNotice().isEmpty());
    EXPECT_TRUE(doc.problems().all().empty() || doc.problems().all().front().round > 0);
    doc.save();
}

INSTANTIATE_TEST_SUITE_P(
    Files, WrongLengthTest,
    ::testing::Values(
        WrongLength{"BytesAfterTheRecords", test::BankBytes(test::NumberedRecords()) + "tail", "4",
                    63},
        WrongLength{"LastRecordCutShort",
                    test::BankBytes(test::NumberedRecords()).substr(0, 62 * 288 + 100), "62", 62},
        WrongLength{"LastRecordMissing",
                    test::BankBytes(test::NumberedRecords()).substr(0, 62 * 288), "62", 62}),
    test::ParamName());

TEST_F(DocumentFilesTest, AReadOnlyBankAsksFirstAndStaysReadOnly) {
    test::ExpectAsThisUserAndNobody(dir.path(), [](const std::filesystem::path& folder) {
        const auto bank = folder / "b.qb";
        const std::string old = test::BankBytes(test::NumberedRecords());
        WriteFile(bank, old);
        test::MakeReadOnly(bank);
        BankDocument own;
        own.open(QtPath(bank));
        own.setText(1, 1, Field::Question, "mine");
        try {
            own.save();
            ADD_FAILURE() << "saved";
        } catch (const SaveQuestion& question) {
            EXPECT_EQ(question.kind(), SaveQuestion::Kind::ReadOnly);
            EXPECT_NE(std::string(question.what()).find("b.qb"), std::string::npos);
        }
        EXPECT_EQ(ReadFile(bank), old);
        own.save(SaveConsent{.overReadOnly = true});
        EXPECT_EQ(ReadFile(bank), test::BankBytes(own.records()));
        EXPECT_EQ(std::filesystem::status(bank).permissions(), test::kReadOnly);
        EXPECT_FALSE(own.isModified());
    });
}

TEST_F(DocumentFilesTest, ABankTheTeacherMayNotChangeOffersOnlyAnotherName) {
    if (!test::RunningAsRoot()) {
        GTEST_SKIP() << "needs a file of another user";
    }
    // root's bank in a folder everyone may write, where a rename would replace it.
    std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
    const std::string old = test::BankBytes(test::NumberedRecords());
    WriteFile(dir / "b.qb", old);
    test::ExpectAsNobody([&] {
        doc.open(QtPath(dir / "b.qb"));
        doc.setText(1, 1, Field::Question, "mine");
        for (const SaveConsent consent : {SaveConsent{}, SaveConsent{true, true}}) {
            try {
                doc.save(consent);
                ADD_FAILURE() << "saved";
            } catch (const SaveQuestion& question) {
                EXPECT_EQ(question.kind(), SaveQuestion::Kind::NotAllowed);
                EXPECT_NE(std::string(question.what()).find("b.qb"), std::string::npos);
            }
        }
        EXPECT_EQ(ReadFile(dir / "b.qb"), old);
        doc.saveAs(QtPath(dir / "mine.qb"));
        EXPECT_EQ(ReadFile(dir / "mine.qb"), test::BankBytes(doc.records()));
    });
}

// A save that fails for a reason the teacher cannot answer: said in their words, naming the place.
struct SaveFailure {
    const char* name;
    // Makes the trouble in the folder and gives the name to save as.
    std::filesystem::path (*make)(const std::filesystem::path& folder);
    authoring::WriteStep step;  // where the system fails, if it is made to
    int err;
    const char* says;
};
void PrintTo(const SaveFailure& c, std::ostream* os) {
    *os << c.name;
}

class FailedSave : public ::testing::TestWithParam<SaveFailure> {};

TEST_P(FailedSave, SaysWhatHappenedAndLeavesEverythingAsItWas) {
    test::TempDir dir;
    test::ExpectAsThisUserAndNobody(dir.path(), [](const std::filesystem::path& folder) {
        const std::string old = test::BankBytes(test::NumberedRecords());
        WriteFile(folder / "b.qb", old);
        const std::filesystem::path target = GetParam().make(folder);
        const std::vector<std::string> names = test::FileNames(folder);
        authoring::WriteOptions options;
        options.beforeStep = [](authoring::WriteStep step) {
            return step == GetParam().step ? GetParam().err : 0;
        };
        try {
            WriteBankFile(QtPath(target), test::RussianRecords(), options);
            ADD_FAILURE() << "saved";
        } catch (const SaveQuestion& e) {
            ADD_FAILURE() << "asked " << e.what();
        } catch (const Error& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find(GetParam().says), std::string::npos) << message;
            EXPECT_NE(message.find(target.filename().string()), std::string::npos) << message;
        }
        EXPECT_EQ(ReadFile(folder / "b.qb"), old);
        EXPECT_EQ(test::FileNames(folder), names);
    });
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FailedSave,
    ::testing::Values(SaveFailure{"FullDisk", [](const auto& f) { return f / "b.qb"; },
                                  authoring::WriteStep::Write, ENOSPC, "The disk is full"},
                      SaveFailure{"FullDiskOnSync", [](const auto& f) { return f / "b.qb"; },
                                  authoring::WriteStep::SyncFile, ENOSPC, "The disk is full"},
                      SaveFailure{"FolderVanished",
                                  [](const auto& f) {
                                      std::filesystem::create_directory(f / "lesson");
                                      std::filesystem::remove(f / "lesson");
                                      return f / "lesson" / "b.qb";
                                  },
                                  authoring::WriteStep::Write, 0, "lesson\" no longer exists"},
                      SaveFailure{"FileBecameAFolder",
                                  [](const auto& f) {
                                      std::filesystem::create_directory(f / "folder.qb");
                                      return f / "folder.qb";
                                  },
                                  authoring::WriteStep::Write, 0, "is a folder now"},
                      SaveFailure{"DiskError", [](const auto& f) { return f / "b.qb"; },
                                  authoring::WriteStep::Rename, EIO, "The file is as it was"}),
    test::ParamName());

}  // namespace
}  // namespace kletochka::editor
