// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <functional>

#include "run_qbtool.h"
#include "tables.h"
#include "temp_dir.h"

namespace kletochka::test {
namespace {

class BuildTest : public ::testing::Test {
  protected:
    TempDir dir;
    const std::string csv = (dir / "questions.csv").string();
    const std::string bank = (dir / "lesson.qb").string();

    QbtoolRun Build(const std::string& table) {
        WriteFile(csv, table);
        return RunQbtoolWith({"build", csv, "-o", bank});
    }
};

// ---- rejections: the message names the line and the field, the output is not touched
// (empty, header-only, binary and unclosed-quote tables, word for word: bad_csv_test.cpp)

struct Rejection {
    const char* name;
    std::function<std::string()> table;
    const char* message;
};
void PrintTo(const Rejection& c, std::ostream* os) {
    *os << c.name;
}

std::string Edited(int line, const std::string& text) {
    auto lines = GoodLines();
    lines[static_cast<std::size_t>(line - 1)] = text;
    return Joined(lines);
}

std::string Without(int line) {
    auto lines = GoodLines();
    lines.erase(lines.begin() + line - 1);
    return Joined(lines);
}

const Rejection kRejections[] = {
    {"TextOver70", [] { return Edited(5, "1,4," + std::string(71, 'x') + ",a,b,c,A"); },
     "line 5, round 1, cell 4 (Г), question: 71 characters, but at most 70 fit"},
    {"NotInWindows1251", [] { return Edited(3, "1,2,Вопрос,а,日本,в,A"); },
     "line 3, round 1, cell 2 (Б), answer_b: the character \"日\" (U+65E5) cannot be stored"},
    {"Emoji", [] { return Edited(3, "1,2,Вопрос,а,б,🙂,A"); },
     "line 3, round 1, cell 2 (Б), answer_c: the character \"🙂\" (U+1F642)"},
    {"MissingRow", [] { return Without(10); }, "round 1, cell 9 (И): no row for this question"},
    {"RepeatedRow", [] { return Edited(10, "1,1,Ещё,а,б,в,A"); },
     "line 10, round 1, cell 1 (А): a second row for this question; the first is on line 2"},
    {"RoundOutOfRange", [] { return Edited(4, "8,3,Вопрос,а,б,в,A"); },
     "line 4, round: \"8\" is not a number from 1 to 7"},
    {"CellOutOfRange", [] { return Edited(4, "1,0,Вопрос,а,б,в,A"); },
     "line 4, cell: \"0\" is not a number from 1 to 9"},
    {"RoundPastTheIntegers", [] { return Edited(4, "99999999999,3,Вопрос,а,б,в,A"); },
     "line 4, round: \"99999999999\" is not a number from 1 to 7"},
    {"CellNotNumber", [] { return Edited(4, "1,Б,Вопрос,а,б,в,A"); },
     "line 4, cell: \"Б\" is not a number from 1 to 9"},
    {"CorrectD", [] { return Edited(6, "1,5,Вопрос,а,б,в,D"); },
     "line 6, round 1, cell 5 (Д), correct: \"D\" is not A, B or C (or 1, 2, 3)"},
    {"CorrectZero", [] { return Edited(6, "1,5,Вопрос,а,б,в,0"); },
     "line 6, round 1, cell 5 (Д), correct: \"0\" is not A, B or C"},
    {"CorrectEmpty", [] { return Edited(6, "1,5,Вопрос,а,б,в,"); },
     "line 6, round 1, cell 5 (Д), correct: empty"},
    {"CorrectCyrillic", [] { return Edited(6, "1,5,Вопрос,а,б,в,В"); },
     "line 6, round 1, cell 5 (Д), correct: \"В\" is a Russian letter"},
    {"StrayQuote", [] { return Edited(7, "1,6,Вопрос,\"а\"x,б,в,A"); },
     "line 7, answer_a: a quote mark in the wrong place"},
    {"FieldCount", [] { return Edited(8, "1,7,Вопрос,а,б,в,A,extra"); },
     "line 8: 8 fields, but the first row has 7"},
    {"HeaderWithoutCorrect",
     [] { return Edited(1, "round,cell,question,answer_a,answer_b,answer_c"); },
     "line 1: the first row has no column \"correct\""},
    {"HeaderTwice",
     [] { return Edited(1, "round,cell,question,answer_a,answer_b,answer_c,correct,Cell"); },
     "line 1: the column \"cell\" appears twice"},
    {"ControlCharacter", [] { return Edited(2, "1,1,\x01,а,б,в,A"); },
     "line 2: a control character (byte 0x01)"},
};

class BuildRejectionTest : public BuildTest, public ::testing::WithParamInterface<Rejection> {};

TEST_P(BuildRejectionTest, SaysWhereAndLeavesTheOutputAlone) {
    const std::string table = GetParam().table();
    QbtoolRun run = Build(table);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(GetParam().message), std::string::npos) << run.err;
    EXPECT_EQ(FileNames(dir.path()), (std::vector<std::string>{"questions.csv"}));

    WriteFile(bank, "an older bank");
    run = Build(table);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(ReadFile(bank), "an older bank");
    EXPECT_EQ(FileNames(dir.path()), (std::vector<std::string>{"lesson.qb", "questions.csv"}));
}

INSTANTIATE_TEST_SUITE_P(Tables, BuildRejectionTest, ::testing::ValuesIn(kRejections),
                         test::ParamName());

TEST_F(BuildTest, TenMegabytesOfJunkIsRefusedQuickly) {
    std::string junk(10 * 1024 * 1024, '\0');
    std::uint32_t x = 12345;
    for (char& c : junk) {
        x = x * 1103515245 + 12345;
        c = static_cast<char>(x >> 24);
    }
    const QbtoolRun run = Build(junk);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("this is not"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(bank));
}

TEST_F(BuildTest, TenMegabytesOfRepeatedRowsListsTheFirstFewAndCountsTheRest) {
    std::string table = GoodLines()[0] + "\n";
    while (table.size() < 10 * 1024 * 1024) {
        table += "1,1,q,a,b,c,A\n";
    }
    const QbtoolRun run = Build(table);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("line 3, round 1, cell 1 (А): a second row"), std::string::npos);
    EXPECT_NE(run.err.find("more\n"), std::string::npos);
    EXPECT_LT(run.err.size(), 10000u);
    EXPECT_FALSE(std::filesystem::exists(bank));
}

// ---- accepted forms: what spreadsheets save gives the same bank as the plain table

struct Variant {
    const char* name;
    std::function<std::string()> table;
    const char* encoding;
};
void PrintTo(const Variant& c, std::ostream* os) {
    *os << c.name;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

const Variant kVariants[] = {
    {"Plain", [] { return Joined(GoodLines()); }, "as UTF-8, columns separated by ','"},
    {"LineFeeds", [] { return Joined(GoodLines(), "\n"); }, "as UTF-8,"},
    {"ByteOrderMark", [] { return "\xEF\xBB\xBF" + Joined(GoodLines()); }, "as UTF-8 with BOM"},
    {"Semicolons", [] { return Replaced(Joined(GoodLines()), ",", ";"); }, "separated by ';'"},
    {"Windows1251", [] { return Cp1251(Joined(GoodLines())); }, "as Windows-1251"},
    {"BlankLinesThenSemicolons",
     [] { return "\r\n\r\n" + Replaced(Joined(GoodLines()), ",", ";"); }, "separated by ';'"},
    {"Windows1251Semicolons", [] { return Cp1251(Replaced(Joined(GoodLines()), ",", ";")); },
     "as Windows-1251, columns separated by ';'"},
    {"RowsReversed",
     [] {
         auto lines = GoodLines();
         std::reverse(lines.begin() + 1, lines.end());
         return Joined(lines);
     },
     "as UTF-8"},
    {"QuotedEverywhereAndBlankRows",
     [] {
         std::string text;
         for (const auto& line : GoodLines()) {
             text += "\"" + Replaced(line, ",", "\",\"") + "\"\r\n,,,,,,\r\n";
         }
         return text;
     },
     "as UTF-8"},
    {"CorrectAsDigitsAndLowerCase",
     [] {
         auto text = Replaced(Replaced(Joined(GoodLines()), ",A\r", ",a\r"), ",B\r", ", 2 \r");
         return Replaced(text, ",C\r", ",3\r");
     },
     "as UTF-8"},
    {"ColumnsShuffledAndAnExtraOne",
     [] {
         std::string text;
         for (const auto& line : GoodLines()) {
             // round,cell,question,a,b,c,correct -> Correct,note,ROUND,cell,question,a,b,c
             const auto last = line.rfind(',');
             const std::string note = text.empty() ? "Notes" : "whatever";
             text += line.substr(last + 1) + "," + note + "," + line.substr(0, last) + "\n";
         }
         return Replaced(text, "correct,Notes,round", "Correct,Notes,ROUND");
     },
     "as UTF-8"},
};

class BuildVariantTest : public BuildTest, public ::testing::WithParamInterface<Variant> {};

TEST_P(BuildVariantTest, GivesTheSameBankAsThePlainTable) {
    const QbtoolRun plain = Build(Joined(GoodLines()));
    ASSERT_EQ(plain.status, 0) << plain.err;
    const std::string expected = ReadFile(bank);
    std::filesystem::remove(bank);

    const QbtoolRun run = Build(GetParam().table());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find(GetParam().encoding), std::string::npos) << run.err;
    EXPECT_TRUE(ReadFile(bank) == expected);
    EXPECT_EQ(FileNames(dir.path()), (std::vector<std::string>{"lesson.qb", "questions.csv"}));
}

INSTANTIATE_TEST_SUITE_P(Tables, BuildVariantTest, ::testing::ValuesIn(kVariants),
                         test::ParamName());

// ---- the bytes, written out by hand from the record layout

std::string Field(std::initializer_list<unsigned char> chars) {
    std::string field(71, '\0');
    field[0] = static_cast<char>(chars.size());
    std::copy(chars.begin(), chars.end(), field.begin() + 1);
    return field;
}

TEST_F(BuildTest, WarnsOfTextsASpreadsheetRewroteButBuildsThemAsWritten) {
    const QbtoolRun run = Build(Edited(3, "1,2,Сколько?,\"1.00E+05\",1e5,2.5E+3 кг,A"));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("warning: line 3, round 1, cell 2 (Б), answer_a: \"1.00E+05\" looks "
                           "like a number a spreadsheet rewrote"),
              std::string::npos)
        << run.err;
    // What a teacher may well have typed is left alone.
    EXPECT_EQ(Occurrences(run.err, "warning:"), 1u) << run.err;
}

TEST_F(BuildTest, DumpAndBuildThroughAWorkbookGiveTheSameBank) {
    ASSERT_EQ(Build(Joined(GoodLines())).status, 0);
    // qbtool takes its arguments as UTF-8, as the system hands them over.
    const std::string workbook = dir.path().string() + "/Вопросы.XLSX";
    const QbtoolRun dump = RunQbtoolWith({"dump", bank, "-o", workbook});
    ASSERT_EQ(dump.status, 0) << dump.err;
    EXPECT_EQ(ReadFile(dir.path() / u8"Вопросы.XLSX").substr(0, 2), "PK");
    const std::string again = (dir / "again.qb").string();
    const QbtoolRun build = RunQbtoolWith({"build", workbook, "-o", again});
    ASSERT_EQ(build.status, 0) << build.err;
    EXPECT_EQ(ReadFile(again), ReadFile(bank));
    // A workbook by any name is read as one.
    const std::string renamed = (dir / "questions.dat").string();
    WriteFile(renamed, ReadFile(dir.path() / u8"Вопросы.XLSX"));
    EXPECT_EQ(RunQbtoolWith({"check", renamed}).status, 0);
}

TEST_F(BuildTest, WritesTheRecordLayoutByteForByte) {
    auto lines = GoodLines();
    lines[1] = "1,1,Ёж?,«Да», и & ; ,\"\",c";
    std::string ya70;
    for (int i = 0; i < 70; ++i) {
        ya70 += "Я";
    }
    lines[63] = "7,9," + ya70 + ",A,\"\"\"q\"\"\",\"x,y\",2";
    ASSERT_EQ(Build(Joined(lines)).status, 0);
    const std::string bytes = ReadFile(bank);
    ASSERT_EQ(bytes.size(), 18144u);

    const std::string first = Field({0xA8, 0xE6, '?'}) + Field({0xAB, 0xC4, 0xE0, 0xBB}) +
                              Field({' ', 0xE8, ' ', '&', ' ', ';', ' '}) + Field({}) +
                              std::string("\x03\0\0\0", 4);
    EXPECT_TRUE(bytes.substr(0, 288) == first);

    std::string ya(71, '\xDF');
    ya[0] = 70;
    const std::string last = ya + Field({'A'}) + Field({'"', 'q', '"'}) + Field({'x', ',', 'y'}) +
                             std::string("\x02\0\0\0", 4);
    EXPECT_TRUE(bytes.substr(62 * 288, 288) == last);
}

// ---- misuse

struct Misuse {
    const char* name;
    std::vector<std::string> args;
};
void PrintTo(const Misuse& c, std::ostream* os) {
    *os << c.name;
}

class UsageTest : public ::testing::TestWithParam<Misuse> {};

TEST_P(UsageTest, EndsWithStatusTwoAndSaysWhy) {
    const QbtoolRun run = RunQbtoolWith(GetParam().args);
    EXPECT_EQ(run.status, 2);
    EXPECT_FALSE(run.err.empty());
    EXPECT_TRUE(run.out.empty());
}

INSTANTIATE_TEST_SUITE_P(Commands, UsageTest,
                         ::testing::Values(Misuse{"NoCommand", {}},
                                           Misuse{"UnknownCommand", {"bake"}},
                                           Misuse{"BuildWithoutOutput", {"build", "q.csv"}},
                                           Misuse{"BuildWithoutTable", {"build", "-o", "b.qb"}},
                                           Misuse{"UnknownOption", {"dump", "b.qb", "--colour"}},
                                           Misuse{"TwoFiles", {"check", "a.qb", "b.qb"}}),
                         test::ParamName());

TEST_F(BuildTest, ReadsAndWritesInAFolderNamedInRussianWithACharacterNoCodePageHolds) {
    const std::filesystem::path folder = dir.path() / u8"Вопросы 5 «А» ✓";
    std::filesystem::create_directory(folder);
    WriteFile(folder / u8"вопросы.csv", Joined(GoodLines()));
    const std::string in = dir.path().string() + "/Вопросы 5 «А» ✓/";
    ASSERT_EQ(RunQbtoolWith({"build", in + "вопросы.csv", "-o", in + "урок ✓.qb"}).status, 0);
    const QbtoolRun dump = RunQbtoolWith({"dump", in + "урок ✓.qb", "-o", in + "снова ✓.csv"});
    EXPECT_EQ(dump.status, 0) << dump.err;
    EXPECT_NE(dump.err.find("урок ✓.qb"), std::string::npos) << dump.err;
    EXPECT_EQ(FileNames(folder),
              (std::vector<std::string>{"вопросы.csv", "снова ✓.csv", "урок ✓.qb"}));
}

TEST_F(BuildTest, FailedWriteLeavesNoTemporaryFileBehind) {
    WriteFile(csv, Joined(GoodLines()));
    std::filesystem::create_directory(dir / "folder");
    const QbtoolRun run = RunQbtoolWith({"build", csv, "-o", (dir / "folder").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cannot write"), std::string::npos) << run.err;
    EXPECT_EQ(FileNames(dir.path()), (std::vector<std::string>{"folder", "questions.csv"}));
    EXPECT_TRUE(std::filesystem::is_empty(dir / "folder"));
}

TEST_F(BuildTest, KeepsAPrivateBanksPermissionsAndRefusesAReadOnlyOne) {
    WriteFile(bank, "old");
    ASSERT_EQ(::chmod(bank.c_str(), 0600), 0);
    // 0600 on Linux; Windows keeps no more than a read-only flag in a file's mode.
    struct stat st {};
    ASSERT_EQ(::stat(bank.c_str(), &st), 0);
    const auto privateMode = st.st_mode & 07777;
    ASSERT_EQ(Build(Joined(GoodLines())).status, 0);
    ASSERT_EQ(::stat(bank.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, privateMode);
    EXPECT_EQ(st.st_size, 18144);

    WriteFile(bank, "old");
    ASSERT_EQ(::chmod(bank.c_str(), 0444), 0);
    const QbtoolRun run = Build(Joined(GoodLines()));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("lesson.qb is read-only"), std::string::npos) << run.err;
    EXPECT_EQ(ReadFile(bank), "old");
    EXPECT_EQ(FileNames(dir.path()), (std::vector<std::string>{"lesson.qb", "questions.csv"}));
}

TEST_F(BuildTest, RefusesToWriteTheBankOverItsOwnTable) {
    WriteFile(csv, Joined(GoodLines()));
    const QbtoolRun run = RunQbtoolWith({"build", csv, "-o", csv});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(ReadFile(csv), Joined(GoodLines()));
}

}  // namespace
}  // namespace kletochka::test
