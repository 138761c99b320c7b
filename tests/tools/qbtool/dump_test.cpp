// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "bank_files.h"
#include "qbtool/commands.h"
#include "run_qbtool.h"
#include "tables.h"
#include "temp_dir.h"

namespace kletochka::test {
namespace {

class DumpTest : public ::testing::Test {
  protected:
    TempDir dir;
    const std::string bank = (dir / "b.qb").string();
    const std::string csv = (dir / "b.csv").string();
};

// A field as another program may write it: length byte, text, then anything.
std::string RawField(unsigned char length, const std::string& text, char filler) {
    std::string field(71, filler);
    field[0] = static_cast<char>(length);
    field.replace(1, text.size(), text);
    return field.substr(0, 71);
}

TEST_F(DumpTest, WritesWhatTheGameShowsFromHandMadeBytes) {
    std::string bytes(18144, '\0');
    const std::string first = RawField(5, "\xA8\xE6 &a", '\xFF') +
                              RawField(71, std::string(70, '\xC6'), 'x') +
                              RawField(0, "never shown", '\x01') +
                              RawField(3,
                                       "\xAB"
                                       "x\xBB",
                                       '"') +
                              "\xFF\xFF\xFF\xFF";
    bytes.replace(0, 288, first);
    bytes.replace(288 + 284, 4, std::string("\x04\0\0\0", 4));
    WriteFile(bank, bytes + "tail bytes are ignored");

    const QbtoolRun run = RunQbtoolWith({"dump", bank});
    ASSERT_EQ(run.status, 0) << run.err;
    std::string zhe;
    for (int i = 0; i < 70; ++i) {
        zhe += "Ж";
    }
    const std::string expected =
        "round,cell,question,answer_a,answer_b,answer_c,correct\r\n"
        "1,1,\"Ёж &a\",\"" +
        zhe +
        "\",\"\",\"«x»\",-1\r\n"
        "1,2,\"\",\"\",\"\",\"\",4\r\n"
        "1,3,\"\",\"\",\"\",\"\",0\r\n";
    EXPECT_EQ(run.out.substr(0, expected.size()), expected);
    EXPECT_NE(run.out.find("\r\n7,9,\"\",\"\",\"\",\"\",0\r\n"), std::string::npos);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 64);
}

TEST_F(DumpTest, OutputThatCannotBeWrittenIsAFailure) {
    WriteFile(bank, BankBytes(NumberedRecords()));
    RunQbtoolWith({"--version"});  // makes the application the tool needs
    std::ostream full(nullptr);    // every write fails, as on a full disk
    std::ostringstream err;
    qbtool::Console io{full, err};
    EXPECT_EQ(qbtool::RunQbtool({"qbtool", "dump", QString::fromStdString(bank)}, io), 1);
    EXPECT_NE(err.str().find("cannot write the output"), std::string::npos);
}

struct BadBank {
    const char* name;
    std::size_t bytes;  // of a good bank; npos: no file at all
    const char* folder;
    const char* message;
};
void PrintTo(const BadBank& c, std::ostream* os) {
    *os << c.name;
}

class DumpFailureTest : public DumpTest, public ::testing::WithParamInterface<BadBank> {};

TEST_P(DumpFailureTest, PrintsTheLoadersMessageAndNoRows) {
    const auto path = dir / GetParam().folder / "b.qb";
    if (GetParam().bytes != std::string::npos) {
        WriteFile(path, BankBytes(NumberedRecords()).substr(0, GetParam().bytes));
    }
    QbtoolRun run = RunQbtoolWith({"dump", path.string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find(GetParam().message), std::string::npos) << run.err;

    run = RunQbtoolWith({"dump", path.string(), "-o", csv});
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(std::filesystem::exists(csv));
}

INSTANTIATE_TEST_SUITE_P(
    Banks, DumpFailureTest,
    ::testing::Values(BadBank{"Missing", std::string::npos, "", "File not found"},
                      BadBank{"MissingFolder", std::string::npos, "nowhere", "Invalid filename"},
                      BadBank{"Empty", 0, "", "Read beyond end of file"},
                      BadBank{"TenRecords", 2880, "", "Read beyond end of file"},
                      BadBank{"OneByteShort", 18143, "", "Read beyond end of file"}),
    test::ParamName());

// ---- dump then build gives the bank back

const char* const kAwkward[] = {
    "Ёлка «ёлочка»",    "\"в кавычках\"", "a,b",        "a;b",
    "Том & Джерри",     "  впереди",      "позади  ",   "",
    "строка\r\nвторая", "\tтаб",          "№ 5 — 10 €", "«»",
};

void Put(ShortString& field, const std::string& bytes, char filler) {
    std::memset(field.chars, filler, sizeof field.chars);
    std::memcpy(field.chars, bytes.data(), bytes.size());
    field.length = static_cast<std::uint8_t>(bytes.size());
}

// Every awkward text in turn, and a full 70-letter one, across the 252 fields.
QuestionBank::Records AwkwardBank(char filler) {
    std::vector<std::string> texts{std::string(70, '\xD9')};
    for (const char* text : kAwkward) {
        texts.push_back(Cp1251(text));
    }
    QuestionBank::Records records{};
    std::size_t k = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        QuestionRecord& r = records[i];
        for (ShortString* f : {&r.question, &r.answerA, &r.answerB, &r.answerC}) {
            Put(*f, texts[k++ % texts.size()], filler);
        }
        r.setCorrect(static_cast<std::int32_t>(1 + i % 3));
    }
    return records;
}

class RoundTripTest : public DumpTest, public ::testing::WithParamInterface<char> {};

TEST_P(RoundTripTest, DumpThenBuildKeepsEveryText) {
    const QuestionBank::Records original = AwkwardBank(GetParam());
    WriteFile(bank, BankBytes(original));
    ASSERT_EQ(RunQbtoolWith({"dump", bank, "-o", csv}).status, 0);
    const std::string rebuilt = (dir / "again.qb").string();
    const QbtoolRun run = RunQbtoolWith({"build", csv, "-o", rebuilt});
    ASSERT_EQ(run.status, 0) << run.err;

    const std::string bytes = ReadFile(rebuilt);
    ASSERT_EQ(bytes.size(), sizeof original);
    QuestionBank::Records back;
    std::memcpy(back.data(), bytes.data(), bytes.size());
    for (std::size_t i = 0; i < back.size(); ++i) {
        EXPECT_EQ(back[i].question.view(), original[i].question.view()) << i;
        EXPECT_EQ(back[i].answerA.view(), original[i].answerA.view()) << i;
        EXPECT_EQ(back[i].answerB.view(), original[i].answerB.view()) << i;
        EXPECT_EQ(back[i].answerC.view(), original[i].answerC.view()) << i;
        EXPECT_EQ(back[i].correct(), original[i].correct()) << i;
    }
    if (GetParam() == '\0') {
        EXPECT_TRUE(bytes == BankBytes(original));
    }
}

INSTANTIATE_TEST_SUITE_P(UnusedBytes, RoundTripTest, ::testing::Values('\0', '\xEE'));

TEST_F(DumpTest, AnswerNumbersOutsideOneToThreeDumpAsNumbersThatBuildRefuses) {
    QuestionBank::Records records = NumberedRecords();
    records[0].setCorrect(0);
    records[1].setCorrect(4);
    records[2].setCorrect(-1);
    WriteFile(bank, BankBytes(records));
    ASSERT_EQ(RunQbtoolWith({"dump", bank, "-o", csv}).status, 0);
    const std::string table = ReadFile(csv);
    EXPECT_NE(table.find("\r\n1,1,\"Q1\",\"A1\",\"B1\",\"C1\",0\r\n"), std::string::npos);
    EXPECT_NE(table.find("\r\n1,2,\"Q2\",\"A2\",\"B2\",\"C2\",4\r\n"), std::string::npos);
    EXPECT_NE(table.find("\r\n1,3,\"Q3\",\"A3\",\"B3\",\"C3\",-1\r\n"), std::string::npos);

    const QbtoolRun run = RunQbtoolWith({"build", csv, "-o", bank});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("line 2, round 1, cell 1 (А), correct: \"0\""), std::string::npos);
    EXPECT_NE(run.err.find("line 3, round 1, cell 2 (Б), correct: \"4\""), std::string::npos);
    EXPECT_NE(run.err.find("line 4, round 1, cell 3 (В), correct: \"-1\""), std::string::npos);
    EXPECT_TRUE(ReadFile(bank) == BankBytes(records));
}

}  // namespace
}  // namespace kletochka::test
