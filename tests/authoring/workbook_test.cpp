// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>

#include "authoring/field_values.h"
#include "authoring/question_table.h"
#include "authoring/table_columns.h"
#include "authoring/workbook.h"
#include "authoring/zip_archive.h"
#include "param_name.h"
#include "temp_dir.h"

namespace kletochka::authoring {
namespace {

std::string Bytes(std::string_view utf8) {
    Problem why;
    const auto bytes = ParseText(utf8, why);
    EXPECT_TRUE(bytes) << utf8 << ": " << why.text;
    return bytes.value_or("");
}

// Texts a spreadsheet turns into numbers, dates, formulas or truth values
// unless the cell is text, and texts XML or the sheet's own escapes must carry.
const std::vector<std::string> kTricky = {
    "007",     "1e5",  "=2+2",     "1/2", "3-4",     "12:30",   "0,5",
    "+7",      "TRUE", "",         "  ",  " край ",  "A & B",   "<b>\"x\"</b>",
    "_x0041_", "a\tb", "1.00E+05", "-0",  "#DIV/0!", "'начало", "Ёлка?"};

QuestionBank::Records TrickyBank() {
    QuestionBank::Records records{};
    for (std::size_t i = 0; i < records.size(); ++i) {
        QuestionRecord& r = records[i];
        r.question.assign(Bytes(kTricky[i % kTricky.size()] + " вопрос"));
        r.answerA.assign(Bytes(kTricky[i % kTricky.size()]));
        r.answerB.assign(Bytes(kTricky[(i + 1) % kTricky.size()]));
        r.answerC.assign(Bytes(kTricky[(i + 2) % kTricky.size()]));
        r.setCorrect(static_cast<std::int32_t>(1 + i % 3));
    }
    return records;
}

TEST(Workbook, GivesBackTheSameBankByteForByte) {
    const QuestionBank::Records bank = TrickyBank();
    const QuestionTable table = ReadQuestionWorkbook(BankToWorkbook(bank));
    ASSERT_TRUE(table.problems.empty()) << FormatProblem(table.problems.kept().front());
    const auto again = table.bank();
    ASSERT_TRUE(again);
    EXPECT_EQ(std::memcmp(again->data(), bank.data(), sizeof bank), 0);
    // The same bank always makes the same file.
    EXPECT_EQ(BankToWorkbook(bank), BankToWorkbook(bank));
}

TEST(Workbook, EmptyOneHasEveryQuestionInPlaceAndNothingElse) {
    const QuestionTable table = ReadQuestionWorkbook(EmptyWorkbook());
    for (std::size_t i = 0; i < table.entries.size(); ++i) {
        ASSERT_TRUE(table.entries[i]) << i;
        EXPECT_EQ(table.entries[i]->line, static_cast<int>(i) + 2);
    }
    // Only the right answers are missing: empty texts are no table's fault.
    for (const Problem& p : table.problems.kept()) {
        EXPECT_EQ(p.fault, TableFault::NoLetter) << FormatProblem(p);
    }
    EXPECT_EQ(table.problems.count(), 63u);
}

// A workbook as another program might write it: the sheet's rows, shared
// strings if any, and the parts that lead to the sheet.
std::string Book(const std::string& rows, const std::string& strings = {},
                 const std::string& cols = {}) {
    const std::string ns = R"( xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main")";
    const std::string rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    std::vector<ZipPart> parts = {
        {"_rels/.rels",
         R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
         R"(<Relationship Id="rId1" Type=")" +
             rel + R"(/officeDocument" Target="xl/workbook.xml"/></Relationships>)"},
        {"xl/workbook.xml", "<workbook" + ns + " xmlns:r=\"" + rel +
                                "\"><sheets><sheet name=\"Лист1\" sheetId=\"1\" "
                                "r:id=\"rId7\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
         R"(<Relationship Id="rId7" Type=")" +
             rel + R"(/worksheet" Target="/xl/worksheets/sheet1.xml"/>)" +
             R"(<Relationship Id="rId9" Type=")" + rel +
             R"(/sharedStrings" Target="sharedStrings.xml"/></Relationships>)"},
        {"xl/worksheets/sheet1.xml",
         "<worksheet" + ns + ">" + cols + "<sheetData>" + rows + "</sheetData></worksheet>"},
    };
    if (!strings.empty()) {
        parts.push_back({"xl/sharedStrings.xml", "<sst" + ns + ">" + strings + "</sst>"});
    }
    return ZipParts(parts);
}

std::string Inline(const std::string& ref, const std::string& text) {
    return "<c r=\"" + ref + "\" t=\"inlineStr\"><is><t>" + text + "</t></is></c>";
}

std::string Header() {
    std::string row = "<row r=\"1\">";
    for (std::size_t c = 0; c < kColumnCount; ++c) {
        row +=
            Inline(std::string(1, static_cast<char>('A' + c)) + "1", std::string(kColumnNames[c]));
    }
    return row + "</row>";
}

// Row 2 for round 1, cell 1, with the question's cell as given.
std::string QuestionRow(const std::string& questionCell) {
    return R"(<row r="2"><c r="A2"><v>1</v></c><c r="B2"><v>1</v></c>)" + questionCell +
           Inline("D2", "а") + Inline("E2", "б") + Inline("F2", "в") + Inline("G2", "A") + "</row>";
}

TEST(Workbook, ReadsSharedRichAndPhoneticTextsAsSpreadsheetsWriteThem) {
    // Rich text runs are one text; a phonetic guide is not part of it; rows and
    // cells without a reference follow the one before; numbers are fine for
    // the round and the cell.
    const std::string strings =
        "<si><t>question</t></si>"
        "<si><r><rPr><b/></rPr><t xml:space=\"preserve\">Столица </t></r><r><t>Франции?</t></r>"
        "<rPh sb=\"0\" eb=\"1\"><t>ふりがな</t></rPh></si>";
    const std::string header = R"(<row><c t="inlineStr"><is><t>round</t></is></c>)"
                               R"(<c t="inlineStr"><is><t>cell</t></is></c><c t="s"><v>0</v></c>)"
                               R"(<c t="inlineStr"><is><t>answer_a</t></is></c>)"
                               R"(<c t="inlineStr"><is><t>answer_b</t></is></c>)"
                               R"(<c t="inlineStr"><is><t>answer_c</t></is></c>)"
                               R"(<c t="inlineStr"><is><t>correct</t></is></c>)"
                               R"(<c t="inlineStr"><is><t>заметки</t></is></c></row>)";
    const QuestionTable table = ReadQuestionWorkbook(
        Book(header + QuestionRow(R"(<c r="C2" t="s"><v>1</v></c>)"), strings));
    ASSERT_TRUE(table.entries[0]);
    EXPECT_EQ(table.entries[0]->record.question.view(), Bytes("Столица Франции?"));
    EXPECT_EQ(table.entries[0]->line, 2);
    EXPECT_EQ(table.ignoredColumns, std::vector<std::string>{"заметки"});
    EXPECT_EQ(table.problems.count(), 62u);  // the other questions have no row
}

TEST(Workbook, ReadsWhatLibreOfficeCalcSavedWithTheTextsTyped) {
    // Our export opened in Calc and saved as .xlsx: shared strings, its own styles and parts.
    const QuestionTable table = ReadQuestionWorkbook(test::ReadFile(KLETOCHKA_CALC_WORKBOOK));
    ASSERT_TRUE(table.problems.empty()) << FormatProblem(table.problems.kept().front());
    const auto bank = table.bank();
    ASSERT_TRUE(bank);
    const QuestionRecord& first = (*bank)[0];
    EXPECT_EQ(std::tuple(first.question.view(), first.answerA.view(), first.answerB.view(),
                         first.answerC.view()),
              std::tuple(std::string_view(Bytes("Вопрос 1?")), std::string_view("007"),
                         std::string_view("1e5"), std::string_view("3-4")));
    EXPECT_EQ((*bank)[1].answerB.view(), "=2+2");
    EXPECT_EQ((*bank)[8].answerA.view(), "TRUE");
}

struct BadBook {
    const char* name;
    std::function<std::string()> bytes;
    TableFault fault;
    std::string value;  // the part, the formula, the number… as the problem names it
    int line = 0;       // the sheet's row, where the problem is in one
};
void PrintTo(const BadBook& b, std::ostream* os) {
    *os << b.name;
}

// The workbook with the declared unpacked size of one part changed, as a zip bomb would.
std::string Declaring(std::string zip, const std::string& part, std::uint32_t size) {
    for (const std::string_view signature : {"PK\x01\x02", "PK\x03\x04"}) {
        const std::size_t nameAt = signature[2] == 1 ? 46 : 30;
        const std::size_t sizeAt = signature[2] == 1 ? 24 : 22;
        for (std::size_t at = zip.find(signature); at != std::string::npos;
             at = zip.find(signature, at + 1)) {
            if (zip.compare(at + nameAt, part.size(), part) == 0) {
                for (int b = 0; b < 4; ++b) {
                    zip[at + sizeAt + static_cast<std::size_t>(b)] =
                        static_cast<char>((size >> (8 * b)) & 0xFF);
                }
            }
        }
    }
    return zip;
}

class BadWorkbookTest : public ::testing::TestWithParam<BadBook> {};

TEST_P(BadWorkbookTest, IsOneProblemNamingWhatIsWrongAndMakesNoBank) {
    const BadBook& bad = GetParam();
    const QuestionTable table = ReadQuestionWorkbook(bad.bytes());
    EXPECT_FALSE(table.bank());
    ASSERT_FALSE(table.problems.empty());
    const Problem& p = table.problems.kept().front();
    EXPECT_EQ(p.fault, bad.fault) << FormatProblem(p);
    EXPECT_EQ(p.value, bad.value) << FormatProblem(p);
    EXPECT_EQ(p.line, bad.line) << FormatProblem(p);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadWorkbookTest,
    ::testing::Values(
        BadBook{"CsvNamedXlsx", [] { return std::string("round,cell\r\n1,1\r\n"); },
                TableFault::NotAWorkbook, ""},
        BadBook{"CutShort", [] { return BankToWorkbook({}).substr(0, 500); },
                TableFault::NotAWorkbook, ""},
        BadBook{"OldExcel",
                [] { return std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + "xls"; },
                TableFault::OldWorkbook, ""},
        BadBook{"ZipWithoutSheet",
                [] {
                    return ZipParts({{"[Content_Types].xml", "<Types/>"}});
                },
                TableFault::NoSheet, "xl/workbook.xml"},
        BadBook{"WorkbookWithoutSheets",
                [] {
                    return ZipParts({{"xl/workbook.xml", "<workbook/>"}});
                },
                TableFault::NoSheet, "xl/workbook.xml"},
        BadBook{"BrokenXml",
                [] { return Book(Header() + "\n<row r=\"2\"><c r=\"A2\"><v>1</c></row>"); },
                TableFault::BrokenPart, "xl/worksheets/sheet1.xml"},
        BadBook{"DocumentTypeDeclared",
                [] {
                    return ZipParts(
                        {{"xl/workbook.xml", "<!DOCTYPE w [<!ENTITY a \"aaaa\">]><workbook/>"}});
                },
                TableFault::BrokenPart, "xl/workbook.xml"},
        BadBook{"SharedStringOutOfRange",
                [] {
                    return Book(Header() + QuestionRow(R"(<c r="C2" t="s"><v>5</v></c>)"),
                                "<si><t>один</t></si>");
                },
                TableFault::StringMissing, "5", 2},
        BadBook{"FormulaCell",
                [] { return Book(Header() + QuestionRow(R"(<c r="C2"><f>2+2</f><v>4</v></c>)")); },
                TableFault::FormulaCell, "=2+2", 2},
        BadBook{"NumberForAnAnswer",
                [] { return Book(Header() + QuestionRow(R"(<c r="C2"><v>100000</v></c>)")); },
                TableFault::NumberCell, "100000", 2},
        BadBook{
            "DateForAnAnswer",
            [] { return Book(Header() + QuestionRow(R"(<c r="C2" t="d"><v>2026-12-09</v></c>)")); },
            TableFault::DateCell, "2026-12-09", 2},
        BadBook{"TruthForAnAnswer",
                [] { return Book(Header() + QuestionRow(R"(<c r="C2" t="b"><v>1</v></c>)")); },
                TableFault::BooleanCell, "TRUE", 2},
        BadBook{"GigabyteDeclared",
                [] { return Declaring(BankToWorkbook({}), "xl/worksheets/sheet1.xml", 1u << 30); },
                TableFault::PartTooLarge, "xl/worksheets/sheet1.xml"},
        BadBook{"SizeUnderstated",
                [] { return Declaring(BankToWorkbook({}), "xl/worksheets/sheet1.xml", 100); },
                TableFault::BrokenPart, "xl/worksheets/sheet1.xml"},
        BadBook{"ThousandsOfParts",
                [] {
                    std::vector<ZipPart> parts;
                    for (int i = 0; i <= ZipArchive::kMaxParts; ++i) {
                        parts.push_back({"p" + std::to_string(i), ""});
                    }
                    return ZipParts(parts);
                },
                TableFault::PartTooLarge, ""}),
    test::ParamName());

}  // namespace
}  // namespace kletochka::authoring
