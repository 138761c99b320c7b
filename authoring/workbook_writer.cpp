// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QByteArray>
#include <QXmlStreamWriter>
#include <array>
#include <functional>

#include "authoring/bank_rows.h"
#include "authoring/table_columns.h"
#include "authoring/workbook.h"
#include "authoring/zip_archive.h"
#include "sheet_reader.h"
#include "widgets/display_text.h"

namespace kletochka::authoring {

namespace {

using Row = std::array<std::string, kColumnCount>;

constexpr QLatin1StringView kMain("http://schemas.openxmlformats.org/spreadsheetml/2006/main");
constexpr QLatin1StringView kRelations(
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships");

// Cell styles, by their place in styles.xml: a text cell, a header cell (text, bold).
constexpr QLatin1StringView kTextStyle("1");
constexpr QLatin1StringView kHeaderStyle("2");

std::string Xml(const std::function<void(QXmlStreamWriter&)>& body) {
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.writeStartDocument(QStringLiteral("1.0"), true);
    body(xml);
    xml.writeEndDocument();
    return out.toStdString();
}

void Empty(QXmlStreamWriter& xml, QLatin1StringView name,
           std::initializer_list<std::pair<QLatin1StringView, QString>> attributes) {
    xml.writeEmptyElement(name);
    for (const auto& [key, value] : attributes) {
        xml.writeAttribute(key, value);
    }
}

std::string ContentTypes() {
    return Xml([](QXmlStreamWriter& xml) {
        const QString sheetMl =
            QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.");
        xml.writeStartElement(QLatin1StringView("Types"));
        xml.writeDefaultNamespace(
            QStringLiteral("http://schemas.openxmlformats.org/package/2006/content-types"));
        Empty(xml, QLatin1StringView("Default"),
              {{QLatin1StringView("Extension"), QStringLiteral("rels")},
               {QLatin1StringView("ContentType"),
                QStringLiteral("application/vnd.openxmlformats-package.relationships+xml")}});
        Empty(xml, QLatin1StringView("Default"),
              {{QLatin1StringView("Extension"), QStringLiteral("xml")},
               {QLatin1StringView("ContentType"), QStringLiteral("application/xml")}});
        for (const auto& [part, type] : {std::pair{"/xl/workbook.xml", "sheet.main+xml"},
                                         std::pair{"/xl/worksheets/sheet1.xml", "worksheet+xml"},
                                         std::pair{"/xl/styles.xml", "styles+xml"}}) {
            Empty(xml, QLatin1StringView("Override"),
                  {{QLatin1StringView("PartName"), QString::fromLatin1(part)},
                   {QLatin1StringView("ContentType"), sheetMl + QLatin1String(type)}});
        }
        xml.writeEndElement();
    });
}

std::string Relations(std::initializer_list<std::pair<const char*, const char*>> relations) {
    return Xml([&](QXmlStreamWriter& xml) {
        xml.writeStartElement(QLatin1StringView("Relationships"));
        xml.writeDefaultNamespace(
            QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships"));
        int id = 0;
        for (const auto& [type, target] : relations) {
            Empty(xml, QLatin1StringView("Relationship"),
                  {{QLatin1StringView("Id"), QStringLiteral("rId%1").arg(++id)},
                   {QLatin1StringView("Type"), kRelations + QLatin1Char('/') + QLatin1String(type)},
                   {QLatin1StringView("Target"), QString::fromLatin1(target)}});
        }
        xml.writeEndElement();
    });
}

std::string Workbook() {
    return Xml([](QXmlStreamWriter& xml) {
        xml.writeStartElement(QLatin1StringView("workbook"));
        xml.writeDefaultNamespace(kMain);
        xml.writeNamespace(kRelations, QStringLiteral("r"));
        xml.writeStartElement(QLatin1StringView("sheets"));
        xml.writeEmptyElement(QLatin1StringView("sheet"));
        xml.writeAttribute(QLatin1StringView("name"), QStringLiteral("questions"));
        xml.writeAttribute(QLatin1StringView("sheetId"), QStringLiteral("1"));
        xml.writeAttribute(kRelations, QLatin1StringView("id"), QStringLiteral("rId1"));
        xml.writeEndElement();
        xml.writeEndElement();
    });
}

// Arial, the game's face; number format 49 is the spreadsheets' own "@", text.
std::string Styles() {
    return Xml([](QXmlStreamWriter& xml) {
        const auto counted = [&](QLatin1StringView name, int count) {
            xml.writeStartElement(name);
            xml.writeAttribute(QLatin1StringView("count"), QString::number(count));
        };
        const auto font = [&](bool bold) {
            xml.writeStartElement(QLatin1StringView("font"));
            if (bold) {
                xml.writeEmptyElement(QLatin1StringView("b"));
            }
            Empty(xml, QLatin1StringView("sz"), {{QLatin1StringView("val"), QStringLiteral("11")}});
            Empty(xml, QLatin1StringView("name"),
                  {{QLatin1StringView("val"), QStringLiteral("Arial")}});
            xml.writeEndElement();
        };
        const auto xf = [&](const char* format, const char* fontId) {
            Empty(xml, QLatin1StringView("xf"),
                  {{QLatin1StringView("numFmtId"), QString::fromLatin1(format)},
                   {QLatin1StringView("fontId"), QString::fromLatin1(fontId)},
                   {QLatin1StringView("fillId"), QStringLiteral("0")},
                   {QLatin1StringView("borderId"), QStringLiteral("0")},
                   {QLatin1StringView("xfId"), QStringLiteral("0")},
                   {QLatin1StringView("applyNumberFormat"), QStringLiteral("1")}});
        };
        xml.writeStartElement(QLatin1StringView("styleSheet"));
        xml.writeDefaultNamespace(kMain);
        counted(QLatin1StringView("fonts"), 2);
        font(false);
        font(true);
        xml.writeEndElement();
        counted(QLatin1StringView("fills"), 2);
        for (const char* pattern : {"none", "gray125"}) {
            xml.writeStartElement(QLatin1StringView("fill"));
            Empty(xml, QLatin1StringView("patternFill"),
                  {{QLatin1StringView("patternType"), QString::fromLatin1(pattern)}});
            xml.writeEndElement();
        }
        xml.writeEndElement();
        counted(QLatin1StringView("borders"), 1);
        xml.writeStartElement(QLatin1StringView("border"));
        for (const char* side : {"left", "right", "top", "bottom", "diagonal"}) {
            xml.writeEmptyElement(QLatin1String(side));
        }
        xml.writeEndElement();
        xml.writeEndElement();
        counted(QLatin1StringView("cellStyleXfs"), 1);
        Empty(xml, QLatin1StringView("xf"),
              {{QLatin1StringView("numFmtId"), QStringLiteral("0")},
               {QLatin1StringView("fontId"), QStringLiteral("0")},
               {QLatin1StringView("fillId"), QStringLiteral("0")},
               {QLatin1StringView("borderId"), QStringLiteral("0")}});
        xml.writeEndElement();
        counted(QLatin1StringView("cellXfs"), 3);
        xf("0", "0");
        xf("49", "0");
        xf("49", "1");
        xml.writeEndElement();
        counted(QLatin1StringView("cellStyles"), 1);
        Empty(xml, QLatin1StringView("cellStyle"),
              {{QLatin1StringView("name"), QStringLiteral("Normal")},
               {QLatin1StringView("xfId"), QStringLiteral("0")},
               {QLatin1StringView("builtinId"), QStringLiteral("0")}});
        xml.writeEndElement();
        xml.writeEndElement();
    });
}

void Cell(QXmlStreamWriter& xml, const QString& reference, const std::string& text,
          QLatin1StringView style) {
    xml.writeStartElement(QLatin1StringView("c"));
    xml.writeAttribute(QLatin1StringView("r"), reference);
    xml.writeAttribute(QLatin1StringView("s"), style);
    if (!text.empty()) {
        xml.writeAttribute(QLatin1StringView("t"), QStringLiteral("inlineStr"));
        xml.writeStartElement(QLatin1StringView("is"));
        xml.writeStartElement(QLatin1StringView("t"));
        xml.writeAttribute(QLatin1StringView("xml:space"), QStringLiteral("preserve"));
        xml.writeCharacters(QString::fromStdString(EscapeSheetText(text)));
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

std::string Sheet(const std::vector<Row>& rows) {
    return Xml([&](QXmlStreamWriter& xml) {
        xml.writeStartElement(QLatin1StringView("worksheet"));
        xml.writeDefaultNamespace(kMain);
        // The column names stay in view while scrolling down the questions.
        xml.writeStartElement(QLatin1StringView("sheetViews"));
        xml.writeStartElement(QLatin1StringView("sheetView"));
        xml.writeAttribute(QLatin1StringView("workbookViewId"), QStringLiteral("0"));
        Empty(xml, QLatin1StringView("pane"),
              {{QLatin1StringView("ySplit"), QStringLiteral("1")},
               {QLatin1StringView("topLeftCell"), QStringLiteral("A2")},
               {QLatin1StringView("activePane"), QStringLiteral("bottomLeft")},
               {QLatin1StringView("state"), QStringLiteral("frozen")}});
        xml.writeEndElement();
        xml.writeEndElement();
        // Whole columns formatted as text: what is typed below the table stays text too.
        xml.writeStartElement(QLatin1StringView("cols"));
        for (const auto& [first, last, width] : {std::tuple{1, 2, 8}, std::tuple{3, 3, 70},
                                                 std::tuple{4, 6, 24}, std::tuple{7, 7, 10}}) {
            Empty(xml, QLatin1StringView("col"),
                  {{QLatin1StringView("min"), QString::number(first)},
                   {QLatin1StringView("max"), QString::number(last)},
                   {QLatin1StringView("width"), QString::number(width)},
                   {QLatin1StringView("style"), kTextStyle},
                   {QLatin1StringView("customWidth"), QStringLiteral("1")}});
        }
        xml.writeEndElement();
        xml.writeStartElement(QLatin1StringView("sheetData"));
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const QString number = QString::number(r + 1);
            xml.writeStartElement(QLatin1StringView("row"));
            xml.writeAttribute(QLatin1StringView("r"), number);
            for (std::size_t c = 0; c < kColumnCount; ++c) {
                Cell(xml, QLatin1Char(static_cast<char>('A' + c)) + number, rows[r][c],
                     r == 0 ? kHeaderStyle : kTextStyle);
            }
            xml.writeEndElement();
        }
        xml.writeEndElement();
        xml.writeEndElement();
    });
}

std::string WorkbookOf(const std::vector<Row>& rows) {
    return ZipParts({
        {"[Content_Types].xml", ContentTypes()},
        {"_rels/.rels", Relations({{"officeDocument", "xl/workbook.xml"}})},
        {"xl/workbook.xml", Workbook()},
        {"xl/_rels/workbook.xml.rels",
         Relations({{"worksheet", "worksheets/sheet1.xml"}, {"styles", "styles.xml"}})},
        {"xl/styles.xml", Styles()},
        {"xl/worksheets/sheet1.xml", Sheet(rows)},
    });
}

Row Header() {
    Row names;
    for (std::size_t c = 0; c < kColumnCount; ++c) {
        names[c] = std::string(kColumnNames[c]);
    }
    return names;
}

std::string Shown(const ShortString& field) {
    return DisplayText(field).toStdString();
}

}  // namespace

std::string BankToWorkbook(const QuestionBank::Records& records) {
    std::vector<Row> rows{Header()};
    for (int i = 1; i <= QuestionBank::kRecords; ++i) {
        const QuestionRecord& r = records[static_cast<std::size_t>(i - 1)];
        rows.push_back({std::to_string(RoundOf(i)), std::to_string(CellOf(i)), Shown(r.question),
                        Shown(r.answerA), Shown(r.answerB), Shown(r.answerC),
                        CorrectText(r.correct())});
    }
    return WorkbookOf(rows);
}

std::string EmptyWorkbook() {
    std::vector<Row> rows{Header()};
    for (int i = 1; i <= QuestionBank::kRecords; ++i) {
        rows.push_back({std::to_string(RoundOf(i)), std::to_string(CellOf(i))});
    }
    return WorkbookOf(rows);
}

}  // namespace kletochka::authoring
