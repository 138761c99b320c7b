// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every bad file a teacher can open, told in Russian: the box, the list of a
// table's mistakes and the line shown for one, with no English word of ours.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListView>
#include <QRegularExpression>
#include <QTranslator>
#include <cerrno>
#include <clocale>
#include <functional>
#include <string>

#include "authoring/workbook.h"
#include "authoring/zip_archive.h"
#include "bank_files.h"
#include "editor/document_files.h"
#include "editor/problem_model.h"
#include "editor/window/editor_window.h"
#include "editor/window/field_rules.h"
#include "fake_dialogs.h"
#include "param_name.h"
#include "qstring_printing.h"
#include "temp_dir.h"
#include "widgets/file_path.h"

namespace kletochka::editor {
namespace {

using kletochka::test::WriteFile;

// The file names here are UTF-8; a plain char path would be read in Windows' ANSI code page.
std::filesystem::path Utf8Path(const char* name) {
    return std::u8string(reinterpret_cast<const char8_t*>(name));
}

// Where the system's own words may follow, in whatever language the system has them.
const QString kSystemSays = QStringLiteral("Сообщение системы: ");

// The words of two Latin letters or more left in text once the names of the
// file, the table's own column names, the names of file formats and of the
// parts of a workbook, and the system's words are taken out.
QStringList LatinWords(QString text, const QString& path) {
    const qsizetype system = text.indexOf(kSystemSays);
    if (system >= 0) {
        text.truncate(system);
    }
    text.remove(QDir::toNativeSeparators(path));
    text.remove(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
    text.remove(QFileInfo(path).fileName());
    static const QRegularExpression columns(
        QStringLiteral("\\b(round|cell|question|answer_[abc]|correct)\\b"));
    text.remove(columns);
    static const QRegularExpression formats(
        QStringLiteral("\\b(xlsx?|CSV|Excel|LibreOffice)\\b|[\\w\\[\\]_]+(/[\\w.]+)+"));
    text.remove(formats);
    QStringList words;
    static const QRegularExpression latin(QStringLiteral("[A-Za-z]{2,}"));
    for (auto it = latin.globalMatch(text); it.hasNext();) {
        words << it.next().captured();
    }
    return words;
}

#define EXPECT_RUSSIAN(text, path) \
    EXPECT_EQ(LatinWords(text, path).join(QLatin1Char(' ')), QString()) << (text).toStdString()

// 63 good rows in Russian after the column names, then what a case does to them.
std::string Table(const std::function<void(QStringList&)>& spoil = {}) {
    QStringList lines{QStringLiteral("round,cell,question,answer_a,answer_b,answer_c,correct")};
    for (int record = 1; record <= QuestionBank::kRecords; ++record) {
        lines << QStringLiteral("%1,%2,Вопрос %3?,один,два,три,%4")
                     .arg((record - 1) / 9 + 1)
                     .arg((record - 1) % 9 + 1)
                     .arg(record)
                     .arg(QLatin1Char("ABC"[record % 3]));
    }
    if (spoil) {
        spoil(lines);
    }
    return (lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n")).toStdString();
}

const std::string kGoodBank = kletochka::test::BankBytes(kletochka::test::NumberedRecords());

// The workbook of the good bank with the cell at ref made what `cell` says instead.
std::string Workbook(const std::string& ref, const std::string& cell) {
    const std::string good = authoring::BankToWorkbook(kletochka::test::NumberedRecords());
    const authoring::ZipArchive zip(good);
    std::vector<authoring::ZipPart> parts;
    for (const char* name :
         {"[Content_Types].xml", "_rels/.rels", "xl/workbook.xml", "xl/_rels/workbook.xml.rels",
          "xl/styles.xml", "xl/worksheets/sheet1.xml"}) {
        parts.push_back({name, zip.read(name, 1 << 20)});
    }
    std::string& sheet = parts.back().second;
    const std::size_t start = sheet.find("<c r=\"" + ref + "\"");
    sheet.replace(start, sheet.find("</c>", start) + 4 - start, cell);
    return authoring::ZipParts(parts);
}

struct BadFile {
    const char* name;
    const char* file;
    std::function<void(const std::filesystem::path&)> make;
    bool listed = false;  // a table whose mistakes go to the list
};

void PrintTo(const BadFile& bad, std::ostream* out) {
    *out << bad.name;
}

class RussianMessages : public ::testing::TestWithParam<BadFile> {
  protected:
    QTranslator translator;
    std::string oldLocale = std::setlocale(LC_ALL, nullptr);
    test::FakeDialogs::Log log;
    kletochka::test::TempDir dir;

    void SetUp() override {
        // The system's words in Russian too, where the system has them.
        std::setlocale(LC_ALL, "ru_RU.UTF-8");
        ASSERT_TRUE(translator.load(QLocale(QLocale::Russian, QLocale::Russia),
                                    QStringLiteral("kletochka-editor"), QStringLiteral("_"),
                                    QStringLiteral(":/i18n")));
        QApplication::installTranslator(&translator);
        WriteFile(dir.path() / Utf8Path("file"), "x");
    }
    void TearDown() override {
        QApplication::removeTranslator(&translator);
        std::setlocale(LC_ALL, oldLocale.c_str());
    }
};

// Files the editor opens but has something to say about.
class RussianNotices : public RussianMessages {};

TEST_F(RussianNotices, ABankOfTheWrongLengthIsToldOfInRussian) {
    for (const std::string& bytes : {kGoodBank.substr(0, 18143), kGoodBank + "tail"}) {
        const auto file = dir.path() / Utf8Path("урок.qb");
        WriteFile(file, bytes);
        const QString path = FromStdPath(file);
        log = {};
        EditorWindow window(std::make_unique<test::FakeDialogs>(log));
        ASSERT_TRUE(window.openFile(path));
        ASSERT_EQ(log.notices.size(), 1);
        EXPECT_RUSSIAN(log.notices.at(0), path);
        EXPECT_RUSSIAN(window.problemList()->model()->index(0, 0).data().toString(), path);
    }
}

TEST_F(RussianNotices, TextsASpreadsheetRewroteAreToldOfInRussian) {
    const auto file = dir.path() / Utf8Path("урок.csv");
    WriteFile(file,
              Table([](QStringList& l) { l[2] = QStringLiteral("1,2,Вопрос?,1.00E+05,б,в,A"); }));
    const QString path = FromStdPath(file);
    EditorWindow window(std::make_unique<test::FakeDialogs>(log));
    ASSERT_TRUE(window.openFile(path));
    ASSERT_EQ(log.notices.size(), 1);
    EXPECT_RUSSIAN(log.notices.at(0), path);
    const QString first = window.problemList()->model()->index(0, 0).data().toString();
    EXPECT_TRUE(first.contains(QStringLiteral("1.00E+05"))) << first.toStdString();
    EXPECT_RUSSIAN(first, path);
}

TEST_P(RussianMessages, TheBoxTheListAndTheLineSpeakRussian) {
    const BadFile& bad = GetParam();
    const auto file = dir.path() / Utf8Path(bad.file);
    bad.make(file);
    const QString path = FromStdPath(file);
    EditorWindow window(std::make_unique<test::FakeDialogs>(log));

    EXPECT_FALSE(window.openFile(path));
    ASSERT_EQ(log.errors.size(), 1);
    EXPECT_RUSSIAN(log.errors.at(0), path);
    EXPECT_TRUE(log.errors.at(0).contains(QFileInfo(path).fileName()))
        << log.errors.at(0).toStdString();

    QAbstractItemModel* list = window.problemList()->model();
    // A new bank's list holds only the count of questions not written yet.
    const bool listed = list->index(0, 0).data(ProblemModel::KindRole).toInt() ==
                        static_cast<int>(authoring::ProblemKind::Table);
    EXPECT_EQ(listed, bad.listed);
    for (int row = 0; bad.listed && row < list->rowCount(); ++row) {
        const QModelIndex index = list->index(row, 0);
        const QString line = index.data(ProblemModel::LineTextRole).toString();
        EXPECT_RUSSIAN(index.data(Qt::DisplayRole).toString(), path);
        EXPECT_RUSSIAN(index.data(Qt::ToolTipRole).toString().remove(line), path);
        window.problemList()->setCurrentIndex(index);
        if (index.data(ProblemModel::LineRole).toInt() > 0) {
            EXPECT_TRUE(window.problemDetail()->isVisibleTo(&window));
            EXPECT_RUSSIAN(window.problemDetail()->text().remove(OneLine(line)), path);
        }
    }
}

// The game's loader's matrix of bad banks, then tables a spreadsheet or a slip makes.
INSTANTIATE_TEST_SUITE_P(
    Files, RussianMessages,
    ::testing::Values(
        BadFile{"missing", "нет.qb", [](const auto&) {}},
        BadFile{"inMissingFolder", "нет/урок.qb", [](const auto&) {}},
        BadFile{"fileUsedAsFolder", "file/урок.qb", [](const auto&) {}},
        BadFile{"folder", "урок.qb", [](const auto& p) { std::filesystem::create_directory(p); }},
        BadFile{"empty", "урок.qb", [](const auto& p) { WriteFile(p, ""); }},
        BadFile{"oneByte", "урок.qb", [](const auto& p) { WriteFile(p, kGoodBank.substr(0, 1)); }},
        BadFile{"oneRecordLessOneByte", "урок.qb",
                [](const auto& p) { WriteFile(p, kGoodBank.substr(0, 287)); }},
        BadFile{"tenRecords", "урок.qb",
                [](const auto& p) { WriteFile(p, kGoodBank.substr(0, 2880)); }},
        // Short of more than its last question: the editor opens no such file.
        BadFile{"lastTwoRecordsShort", "урок.qb",
                [](const auto& p) { WriteFile(p, kGoodBank.substr(0, 18143 - 288)); }},
        BadFile{"missingTable", "нет.csv", [](const auto&) {}},
        BadFile{"folderAsTable", "урок.csv",
                [](const auto& p) { std::filesystem::create_directory(p); }},
        BadFile{"emptyTable", "урок.csv", [](const auto& p) { WriteFile(p, ""); }, true},
        BadFile{"bankAsTable", "урок.csv", [](const auto& p) { WriteFile(p, kGoodBank); }, true},
        BadFile{"namesOnly", "урок.csv",
                [](const auto& p) { WriteFile(p, Table([](QStringList& l) { l = l.mid(0, 1); })); },
                true},
        BadFile{"noColumnCorrect", "урок.csv",
                [](const auto& p) {
                    WriteFile(p, Table([](QStringList& l) { l[0].replace("correct", "ответ"); }));
                },
                true},
        BadFile{"rowMistakes", "урок.csv",
                [](const auto& p) {
                    WriteFile(p, Table([](QStringList& l) {
                                  l[5] = QStringLiteral("1,5,Вопрос?,а,б,в,В");
                                  l[6] = QStringLiteral("1,6,Вопрос?,а,б,в,");
                                  l[7] = QStringLiteral("1,седьмая,Вопрос?,а,б,в,Б");
                                  l[8] = QStringLiteral("1,8,Вопрос?,а,б");
                                  l[10] = QStringLiteral("2,1,Вопрос 😀?,%1,б,в,A")
                                              .arg(QString(71, QChar(0x044F)));
                                  l[11] = l[12];
                              }));
                },
                true},
        BadFile{"quoteNeverClosed", "урок.csv",
                [](const auto& p) {
                    WriteFile(p, Table([](QStringList& l) {
                                  l[63] = QStringLiteral("7,9,\"Вопрос?,а,б,в,A");
                              }));
                },
                true},
        BadFile{"csvNamedWorkbook", "урок.xlsx", [](const auto& p) { WriteFile(p, Table()); },
                true},
        BadFile{
            "oldExcel", "урок.xlsx",
            [](const auto& p) { WriteFile(p, std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")); },
            true},
        BadFile{"workbookCutShort", "урок.xlsx",
                [](const auto& p) { WriteFile(p, Workbook("C2", "<c r=\"C2\">").substr(0, 900)); },
                true},
        BadFile{"workbookBrokenXml", "урок.xlsx",
                [](const auto& p) { WriteFile(p, Workbook("C2", "<c r=\"C2\"><v>1</c>")); }, true},
        BadFile{"workbookCells", "урок.xlsx",
                [](const auto& p) {
                    const std::string formula =
                        Workbook("D3", "<c r=\"D3\"><f>2+2</f><v>4</v></c>");
                    WriteFile(p, formula);
                },
                true},
        BadFile{"quoteInTheMiddle", "урок.csv",
                [](const auto& p) {
                    WriteFile(p, Table([](QStringList& l) {
                                  l[3] = QStringLiteral("1,3,Во\"прос?,а,б,в,A");
                              }));
                },
                true}),
    kletochka::test::ParamName());

// A table's mistake shows its line as the table has it when chosen, not only its count.
TEST_F(RussianMessages, AChosenMistakeShowsItsLine) {
    const auto file = dir.path() / Utf8Path("урок.csv");
    WriteFile(file, Table([](QStringList& l) { l[6] = QStringLiteral("1,6,Вопрос?,а,б,в,В"); }));
    EditorWindow window(std::make_unique<test::FakeDialogs>(log));
    EXPECT_FALSE(window.openFile(FromStdPath(file)));
    ASSERT_EQ(window.problemList()->model()->rowCount(), 1);
    const QModelIndex index = window.problemList()->model()->index(0, 0);
    EXPECT_EQ(index.data().toString(),
              QStringLiteral("Строка 7, гейм 1, клетка Е, правильный ответ: «В» — русская буква: "
                             "напишите латинскую букву A, B или C либо цифру 1, 2 или 3"));
    window.problemList()->setCurrentIndex(index);
    EXPECT_EQ(window.problemDetail()->text(), QStringLiteral("Строка 7: 1,6,Вопрос?,а,б,в,В"));
    EXPECT_EQ(log.errors.at(0),
              QStringLiteral("Файл «урок.csv» не открыт: в таблице 1 ошибка, она показана в окне "
                             "со своей строкой. Исправьте таблицу в редакторе таблиц и откройте её "
                             "снова."));
    // The title of every box names the program as its menu entry does.
    EXPECT_EQ(EditorName(), QStringLiteral("Редактор вопросов"));
}

// The system's words come after a Russian sentence of their own, never glued to ours.
TEST_F(RussianMessages, TheSystemsWordsStandApart) {
    const QString bank = FromStdPath(dir.path() / Utf8Path("урок.qb"));
    authoring::WriteOptions options;
    options.beforeStep = [](authoring::WriteStep step) {
        return step == authoring::WriteStep::Write ? EIO : 0;
    };
    try {
        WriteBankFile(bank, {}, options);
        ADD_FAILURE() << "saved";
    } catch (const Error& e) {
        const QString message = QString::fromStdString(e.what());
        EXPECT_RUSSIAN(message, bank);
        // The system's own words close the message, after our lead-in (on Windows the
        // failure is the system's error that the C library's EIO stands for).
        const qsizetype at = message.lastIndexOf(kSystemSays);
        ASSERT_GT(at, 0) << e.what();
        EXPECT_TRUE(message.left(at).endsWith(QLatin1String("\n"))) << e.what();
        EXPECT_FALSE(message.mid(at + kSystemSays.size()).trimmed().isEmpty()) << e.what();
    }
    const QString folder = FromStdPath(dir.path() / Utf8Path("урок.qb"));
    std::filesystem::create_directory(dir.path() / Utf8Path("урок.qb"));
    EXPECT_EQ(ReadFailureWords(BankReadFailure(EISDIR, folder), folder),
              QStringLiteral("«урок.qb» — это папка, а не файл вопросов."));
}

}  // namespace
}  // namespace kletochka::editor
