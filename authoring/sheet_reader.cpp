// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet_reader.h"

#include <QByteArray>
#include <QXmlStreamReader>
#include <charconv>
#include <optional>

#include "authoring/zip_archive.h"
#include "workbook_error.h"

namespace kletochka::authoring {

namespace {

// One part of the package as XML; every error names the part and its line.
class PartReader {
  public:
    PartReader(const ZipArchive& zip, std::string part)
        : m_part(std::move(part)),
          m_bytes(zip.read(m_part, kMaxWorkbookPartBytes)),
          m_xml(QByteArray::fromRawData(m_bytes.data(), static_cast<qsizetype>(m_bytes.size()))) {}

    // The next start or end of an element, or false at the end of the part.
    bool next() {
        for (;;) {
            switch (m_xml.readNext()) {
                case QXmlStreamReader::StartElement:
                case QXmlStreamReader::EndElement:
                    return true;
                case QXmlStreamReader::Characters:
                    if (m_collecting) {
                        m_text += m_xml.text();
                    }
                    break;
                // No spreadsheet declares a document type; one that does is up to no good.
                case QXmlStreamReader::DTD:
                    broken();
                case QXmlStreamReader::Invalid:
                    if (m_xml.hasError()) {
                        broken();
                    }
                    return false;
                case QXmlStreamReader::EndDocument:
                    return false;
                default:
                    break;
            }
        }
    }

    bool isStart(QLatin1StringView name) const {
        return m_xml.isStartElement() && m_xml.name() == name;
    }
    bool isEnd(QLatin1StringView name) const {
        return m_xml.isEndElement() && m_xml.name() == name;
    }
    QString attribute(QLatin1StringView name) const {
        return m_xml.attributes().value(name).toString();
    }
    // The value of the attribute of that name in a relationships namespace (r:id).
    QString relationAttribute(QLatin1StringView name) const {
        for (const QXmlStreamAttribute& a : m_xml.attributes()) {
            if (a.name() == name && a.namespaceUri().endsWith(QLatin1String("relationships"))) {
                return a.value().toString();
            }
        }
        return {};
    }

    // Gathers the text between the elements read from now on, until take().
    void collect() {
        m_collecting = true;
        m_text.clear();
    }
    void pause() { m_collecting = false; }
    void resume() { m_collecting = true; }
    std::string take() {
        m_collecting = false;
        return m_text.toStdString();
    }

    [[noreturn]] void broken() const {
        throw WorkbookError(TableFault::BrokenPart, m_part,
                            "the spreadsheet is damaged: its part " + m_part +
                                " is not well-formed (line " + std::to_string(m_xml.lineNumber()) +
                                ")",
                            static_cast<int>(m_xml.lineNumber()));
    }

  private:
    std::string m_part;
    std::string m_bytes;
    QXmlStreamReader m_xml;
    bool m_collecting = false;
    QString m_text;
};

[[noreturn]] void NoSheet(const std::string& part) {
    throw WorkbookError(TableFault::NoSheet, part,
                        "the spreadsheet has no sheet to read (" + part + " is missing)");
}

std::string Folder(const std::string& part) {
    const auto slash = part.rfind('/');
    return slash == std::string::npos ? std::string() : part.substr(0, slash + 1);
}

// Where the relationships of part are kept: "xl/workbook.xml" -> "xl/_rels/workbook.xml.rels".
std::string RelationsOf(const std::string& part) {
    const std::string folder = Folder(part);
    return folder + "_rels/" + part.substr(folder.size()) + ".rels";
}

// A relationship's target as a part name: relative to the folder of the part it is from.
std::string Resolve(const std::string& from, const QString& target) {
    std::string path = target.toStdString();
    if (!path.empty() && path.front() == '/') {
        return path.substr(1);
    }
    std::string folder = Folder(from);
    while (path.rfind("../", 0) == 0) {
        path.erase(0, 3);
        folder = Folder(folder.empty() ? folder : folder.substr(0, folder.size() - 1));
    }
    return folder + path;
}

struct Relation {
    QString id;
    QString type;
    std::string target;
};

std::vector<Relation> ReadRelations(const ZipArchive& zip, const std::string& part) {
    std::vector<Relation> relations;
    const std::string name = RelationsOf(part);
    if (!zip.has(name)) {
        return relations;
    }
    PartReader xml(zip, name);
    while (xml.next()) {
        if (xml.isStart(QLatin1StringView("Relationship"))) {
            relations.push_back({xml.attribute(QLatin1StringView("Id")),
                                 xml.attribute(QLatin1StringView("Type")),
                                 Resolve(part, xml.attribute(QLatin1StringView("Target")))});
        }
    }
    return relations;
}

std::optional<std::string> TargetOfType(const std::vector<Relation>& relations,
                                        QLatin1StringView type) {
    for (const Relation& r : relations) {
        if (r.type.endsWith(type)) {
            return r.target;
        }
    }
    return std::nullopt;
}

std::string WorkbookPart(const ZipArchive& zip) {
    const auto target = TargetOfType(ReadRelations(zip, ""), QLatin1StringView("/officeDocument"));
    const std::string part = target.value_or("xl/workbook.xml");
    if (!zip.has(part)) {
        NoSheet(part);
    }
    return part;
}

std::string FirstSheetPart(const ZipArchive& zip, const std::string& workbook,
                           const std::vector<Relation>& relations) {
    QString id;
    {
        PartReader xml(zip, workbook);
        while (id.isEmpty() && xml.next()) {
            if (xml.isStart(QLatin1StringView("sheet"))) {
                id = xml.relationAttribute(QLatin1StringView("id"));
                if (id.isEmpty()) {
                    NoSheet(workbook);
                }
            }
        }
    }
    for (const Relation& r : relations) {
        if (!id.isEmpty() && r.id == id) {
            if (!zip.has(r.target)) {
                NoSheet(r.target);
            }
            return r.target;
        }
    }
    NoSheet(id.isEmpty() ? workbook : RelationsOf(workbook));
}

// The text of a string item (<si>) or an inline string (<is>), without its
// phonetic guides (<rPh>), from its start to its end element.
std::string StringItem(PartReader& xml, QLatin1StringView item) {
    xml.collect();
    xml.pause();
    while (xml.next() && !xml.isEnd(item)) {
        if (xml.isStart(QLatin1StringView("rPh"))) {
            while (xml.next() && !xml.isEnd(QLatin1StringView("rPh"))) {
            }
        } else if (xml.isStart(QLatin1StringView("t"))) {
            xml.resume();
        } else if (xml.isEnd(QLatin1StringView("t"))) {
            xml.pause();
        }
    }
    return UnescapeSheetText(xml.take());
}

std::vector<std::string> SharedStrings(const ZipArchive& zip,
                                       const std::vector<Relation>& relations) {
    std::vector<std::string> strings;
    const auto part = TargetOfType(relations, QLatin1StringView("/sharedStrings"));
    if (!part || !zip.has(*part)) {
        return strings;
    }
    PartReader xml(zip, *part);
    while (xml.next()) {
        if (xml.isStart(QLatin1StringView("si"))) {
            if (strings.size() == kMaxSharedStrings) {
                throw WorkbookError(TableFault::PartTooLarge, *part,
                                    "the spreadsheet holds more than " +
                                        std::to_string(kMaxSharedStrings) +
                                        " texts, far more than any table of questions");
            }
            strings.push_back(StringItem(xml, QLatin1StringView("si")));
        }
    }
    return strings;
}

// "C12" -> 2; nothing for a reference that does not start with a column.
std::optional<std::size_t> ColumnOf(const QString& reference) {
    std::size_t column = 0;
    qsizetype letters = 0;
    for (const QChar c : reference) {
        const char16_t u = c.toUpper().unicode();
        if (u < u'A' || u > u'Z' || letters == 3) {
            break;
        }
        column = column * 26 + (u - u'A' + 1);
        ++letters;
    }
    if (letters == 0) {
        return std::nullopt;
    }
    return column - 1;
}

int NumberOr(const QString& text, int otherwise) {
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n > 0 ? n : otherwise;
}

struct RawCell {
    QString type;
    std::optional<std::string> value;
    std::optional<std::string> formula;
    std::optional<std::string> inlineText;
};

// The cell from its start element to its end element.
RawCell ReadCell(PartReader& xml) {
    RawCell cell{xml.attribute(QLatin1StringView("t")), {}, {}, {}};
    while (xml.next() && !xml.isEnd(QLatin1StringView("c"))) {
        if (xml.isStart(QLatin1StringView("v"))) {
            xml.collect();
        } else if (xml.isEnd(QLatin1StringView("v"))) {
            cell.value = xml.take();
        } else if (xml.isStart(QLatin1StringView("f"))) {
            xml.collect();
        } else if (xml.isEnd(QLatin1StringView("f"))) {
            cell.formula = xml.take();
        } else if (xml.isStart(QLatin1StringView("is"))) {
            cell.inlineText = StringItem(xml, QLatin1StringView("is"));
        }
    }
    return cell;
}

// What the cell holds, or nothing for an empty one.
std::optional<SheetCell> Classify(const RawCell& raw, const std::vector<std::string>& strings) {
    SheetCell cell;
    if (raw.formula) {
        cell.kind = CellKind::Formula;
        cell.text = "=" + *raw.formula;
        return cell;
    }
    if (raw.type == QLatin1String("inlineStr")) {
        cell.text = raw.inlineText.value_or(std::string());
        return cell;
    }
    if (!raw.value) {
        return std::nullopt;
    }
    const std::string& v = *raw.value;
    if (raw.type == QLatin1String("s")) {
        std::size_t index = 0;
        const auto [end, error] = std::from_chars(v.data(), v.data() + v.size(), index);
        if (error != std::errc() || end != v.data() + v.size() || index >= strings.size()) {
            cell.kind = CellKind::MissingString;
            cell.text = v;
        } else {
            cell.text = strings[index];
        }
    } else if (raw.type == QLatin1String("str")) {
        cell.text = UnescapeSheetText(v);
    } else if (raw.type == QLatin1String("b")) {
        cell.kind = CellKind::Boolean;
        cell.text = v == "1" ? "TRUE" : "FALSE";
    } else if (raw.type == QLatin1String("e")) {
        cell.kind = CellKind::Error;
        cell.text = v;
    } else if (raw.type == QLatin1String("d")) {
        cell.kind = CellKind::Date;
        cell.text = v;
    } else {
        cell.kind = CellKind::Number;
        cell.text = v;
    }
    return cell;
}

void ReadRows(const ZipArchive& zip, const std::string& sheet,
              const std::vector<std::string>& strings,
              const std::function<void(const SheetRow&)>& onRow) {
    PartReader xml(zip, sheet);
    SheetRow row;
    std::size_t nextColumn = 0;
    bool inData = false;
    while (xml.next()) {
        if (xml.isStart(QLatin1StringView("sheetData"))) {
            inData = true;
        } else if (xml.isEnd(QLatin1StringView("sheetData"))) {
            inData = false;
        } else if (!inData) {
            continue;
        } else if (xml.isStart(QLatin1StringView("row"))) {
            row.number = NumberOr(xml.attribute(QLatin1StringView("r")), row.number + 1);
            row.cells.clear();
            nextColumn = 0;
        } else if (xml.isEnd(QLatin1StringView("row"))) {
            if (!row.cells.empty()) {
                onRow(row);
            }
        } else if (xml.isStart(QLatin1StringView("c"))) {
            const std::size_t column =
                ColumnOf(xml.attribute(QLatin1StringView("r"))).value_or(nextColumn);
            nextColumn = column + 1;
            const RawCell raw = ReadCell(xml);
            if (column >= kMaxSheetColumns) {
                continue;
            }
            if (auto cell = Classify(raw, strings)) {
                cell->column = column;
                row.cells.push_back(std::move(*cell));
            }
        }
    }
}

bool IsHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// Where text holds "_xHHHH_" at pos.
bool EscapeAt(std::string_view text, std::size_t pos) {
    if (pos + 7 > text.size() || text[pos] != '_' || text[pos + 1] != 'x' || text[pos + 6] != '_') {
        return false;
    }
    for (std::size_t i = pos + 2; i < pos + 6; ++i) {
        if (!IsHex(text[i])) {
            return false;
        }
    }
    return true;
}

void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace

void ReadFirstSheet(std::string_view bytes, const std::function<void(const SheetRow&)>& onRow) {
    const ZipArchive zip(bytes);
    const std::string workbook = WorkbookPart(zip);
    const std::vector<Relation> relations = ReadRelations(zip, workbook);
    const std::string sheet = FirstSheetPart(zip, workbook, relations);
    ReadRows(zip, sheet, SharedStrings(zip, relations), onRow);
}

std::string EscapeSheetText(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (EscapeAt(text, i)) {
            out += "_x005F_";
        } else if (c < 0x20 && c != '\t' && c != '\n') {
            out += "_x00";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
            out += '_';
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string UnescapeSheetText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (!EscapeAt(text, i)) {
            out += text[i++];
            continue;
        }
        unsigned code = 0;
        std::from_chars(text.data() + i + 2, text.data() + i + 6, code, 16);
        // A lone surrogate is no character; keep the escape as written.
        if (code >= 0xD800 && code <= 0xDFFF) {
            out += text.substr(i, 7);
        } else {
            AppendUtf8(out, code);
        }
        i += 7;
    }
    return out;
}

}  // namespace kletochka::authoring
