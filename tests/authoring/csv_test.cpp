// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "authoring/csv_reader.h"
#include "param_name.h"

namespace kletochka::authoring {
namespace {

using Rows = std::vector<std::pair<int, std::vector<std::string>>>;

Rows Read(std::string_view text, char delimiter = ',') {
    Rows rows;
    ReadCsv(text, delimiter, [&](const CsvRow& row) { rows.emplace_back(row.line, row.fields); });
    return rows;
}

struct GoodCsv {
    const char* name;
    std::string text;
    char delimiter;
    Rows rows;
};
void PrintTo(const GoodCsv& c, std::ostream* os) {
    *os << c.name;
}

class ReadCsvTest : public ::testing::TestWithParam<GoodCsv> {};

TEST_P(ReadCsvTest, GivesFieldsAsWrittenWithTheLineEachRowStartsOn) {
    EXPECT_EQ(Read(GetParam().text, GetParam().delimiter), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, ReadCsvTest,
    ::testing::Values(
        GoodCsv{"CrLf", "a,b\r\nc,d\r\n", ',', {{1, {"a", "b"}}, {2, {"c", "d"}}}},
        GoodCsv{"SpacesAreContent", " a , b \n", ',', {{1, {" a ", " b "}}}},
        GoodCsv{"Quoted", "\"x,y\",\"say \"\"hi\"\"\"\n", ',', {{1, {"x,y", "say \"hi\""}}}},
        GoodCsv{"LineBreakInQuotes",
                "\"two\nlines\",z\nnext,row\n",
                ',',
                {{1, {"two\nlines", "z"}}, {3, {"next", "row"}}}},
        GoodCsv{
            "BlankLinesAndNoFinalBreak", "a,b\n\n\r\nc,d", ',', {{1, {"a", "b"}}, {4, {"c", "d"}}}},
        GoodCsv{"EmptyFields", ",\"\",\n", ',', {{1, {"", "", ""}}}},
        GoodCsv{"Semicolons", "a;b,c;\"d;e\"\n", ';', {{1, {"a", "b,c", "d;e"}}}},
        GoodCsv{"OldMacLineEnds", "a\rb\r", ',', {{1, {"a"}}, {2, {"b"}}}}),
    test::ParamName());

struct BadCsv {
    const char* name;
    std::string text;
    int line;
    int field;
};
void PrintTo(const BadCsv& c, std::ostream* os) {
    *os << c.name;
}

class MalformedCsvTest : public ::testing::TestWithParam<BadCsv> {};

TEST_P(MalformedCsvTest, NamesTheLineAndFieldWhereItGoesWrong) {
    try {
        Read(GetParam().text);
        FAIL() << "accepted";
    } catch (const CsvSyntaxError& e) {
        EXPECT_EQ(e.line(), GetParam().line);
        EXPECT_EQ(e.field(), GetParam().field);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, MalformedCsvTest,
    ::testing::Values(BadCsv{"QuoteInsideBareField", "ok,row\nx,bad\"quote\n", 2, 1},
                      BadCsv{"TextAfterClosingQuote", "ok\n\"closed\"junk\n", 2, 0},
                      BadCsv{"UnclosedQuote", "a,b\nc,\"open\nmore\n", 2, 1},
                      BadCsv{"UnclosedAfterQuotedBreak", "\"a\nb\",c\n\"x", 3, 0},
                      BadCsv{"QuoteLeftOpenUntilALaterQuote", "a,b\nc,\"open\nd,e\n\"f\",g\n", 2,
                             1}),
    test::ParamName());

}  // namespace
}  // namespace kletochka::authoring
