// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The bad tables a teacher may hand qbtool build, each with everything the
// tool says about it, word for word; no bank is written or touched.
#include <gtest/gtest.h>

#include <functional>

#include "run_qbtool.h"
#include "tables.h"
#include "temp_dir.h"

namespace kletochka::test {
namespace {

struct BadCsv {
    const char* name;
    std::function<std::string()> table;
    const char* said;  // the whole error output; "%1" stands for the table's path
};
void PrintTo(const BadCsv& c, std::ostream* os) {
    *os << c.name;
}

std::string WithLine(int line, const std::string& text) {
    auto lines = GoodLines();
    lines[static_cast<std::size_t>(line - 1)] = text;
    return Joined(lines);
}

const char* const kNothingWritten = "nothing written: fix the table and build again\n";

const BadCsv kBadTables[] = {
    {"Empty", [] { return std::string(); }, "the file is empty\n"},
    {"HeaderOnly", [] { return GoodLines()[0] + "\r\n"; },
     "reading %1 as UTF-8, columns separated by ','\n"
     "the table has a first row of column names but no questions\n"},
    {"PictureGivenAsTable", [] { return std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16); },
     "line 2: a control character (byte 0x1A): this is not a table saved as CSV text\n"},
    {"BankGivenAsTable", [] { return std::string("\x0bВопрос\0\0\0", 16); },
     "line 1: a control character (byte 0x0B): this is not a table saved as CSV text\n"},
    {"TenMegabyteQuestion",
     [] { return WithLine(2, "1,1," + std::string(10 << 20, 'x') + ",a,b,c,A"); },
     "reading %1 as UTF-8, columns separated by ','\n"
     "line 2, round 1, cell 1 (А), question: 10485760 characters, but at most 70 fit\n"},
    {"QuoteNeverClosed", [] { return WithLine(64, "7,9,Вопрос,а,\"б,в,A"); },
     "reading %1 as UTF-8, columns separated by ','\n"
     "line 64, answer_b: a field opens a quote that is never closed\n"},
    {"QuoteClosedFarBelow",
     [] {
         auto lines = GoodLines();
         lines[5] = "1,5,\"Вопрос,а,б,в,A";
         lines[40] = "5,3,\"Вопрос, с запятой\",а,б,в,A";
         return Joined(lines);
     },
     "reading %1 as UTF-8, columns separated by ','\n"
     "line 6, question: the quote opened here is closed only on line 41, and text follows it "
     "there: is a closing quote missing?\n"},
    {"NulByte", [] { return WithLine(3, std::string("1,2,Во\0прос,а,б,в,A", 25)); },
     "line 3: a NUL byte: this is not a CSV text file (to turn a question bank into a table, use "
     "qbtool dump)\n"},
};

class BadCsvTest : public ::testing::TestWithParam<BadCsv> {
  protected:
    TempDir dir;
};

TEST_P(BadCsvTest, SaysExactlyWhatIsWrongAndWritesNoBank) {
    const std::string csv = (dir / "questions.csv").string();
    const std::string bank = (dir / "lesson.qb").string();
    WriteFile(csv, GetParam().table());
    WriteFile(bank, "an older bank");
    const QbtoolRun run = RunQbtoolWith({"build", csv, "-o", bank});
    std::string said = GetParam().said;
    if (const auto at = said.find("%1"); at != std::string::npos)
        said.replace(at, 2, csv);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, said + kNothingWritten);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(ReadFile(bank), "an older bank");
    EXPECT_EQ(FileNames(dir.path()), (std::vector<std::string>{"lesson.qb", "questions.csv"}));
}

INSTANTIATE_TEST_SUITE_P(Matrix, BadCsvTest, ::testing::ValuesIn(kBadTables), ParamName());

}  // namespace
}  // namespace kletochka::test
