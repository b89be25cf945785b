#include "window/formats/Spreadsheet.h"

#include "window/form/PointNumber.h"
#include "window/formats/Zip.h"

#include <cmath>
#include <string_view>

namespace window::spreadsheet {
namespace {

constexpr std::string_view xmlDeclaration = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
                                            "\n";
constexpr std::string_view spreadsheetNamespace = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr std::string_view relationshipsNamespace =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr std::string_view packageRelationshipsNamespace =
    "http://schemas.openxmlformats.org/package/2006/relationships";
constexpr std::string_view contentTypesNamespace = "http://schemas.openxmlformats.org/package/2006/content-types";
constexpr std::string_view contentType = "application/vnd.openxmlformats-officedocument.spreadsheetml.";

// The fonts, fills and borders a spreadsheet program expects, and the looks as cell formats in
// the order of Look: plain, a name, a value.
constexpr std::string_view styles =
    R"(<fonts count="2"><font><sz val="11"/></font><font><b/><sz val="11"/></font></fonts>)"
    R"(<fills count="2"><fill><patternFill patternType="none"/></fill>)"
    R"(<fill><patternFill patternType="gray125"/></fill></fills>)"
    R"(<borders count="1"><border><left/><right/><top/><bottom/><diagonal/></border></borders>)"
    R"(<cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs>)"
    R"(<cellXfs count="3"><xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/>)"
    R"(<xf numFmtId="0" fontId="1" fillId="0" borderId="0" xfId="0" applyFont="1" applyAlignment="1">)"
    R"(<alignment vertical="top"/></xf>)"
    R"(<xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0" applyAlignment="1">)"
    R"(<alignment vertical="top" wrapText="1"/></xf></cellXfs>)"
    R"(<cellStyles count="1"><cellStyle name="Normal" xfId="0" builtinId="0"/></cellStyles>)";

std::string str(std::string_view text)
{
    return std::string(text);
}

// Text as XML holds it: the five characters XML gives meaning to written as entities, and the
// control characters XML 1.0 cannot hold left out.
std::string escaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r')
                out += c;
        }
    }
    return out;
}

// A column's letters: A to Z, then AA.
std::string columnName(std::size_t index)
{
    std::string name;
    for (std::size_t n = index + 1; n > 0; n = (n - 1) / 26)
        name.insert(name.begin(), char('A' + (n - 1) % 26));
    return name;
}

std::string cellXml(const Cell& cell, const std::string& reference)
{
    const std::string start = "<c r=\"" + reference + "\" s=\"" + std::to_string(int(cell.look)) + "\"";
    if (cell.number && std::isfinite(*cell.number))
        return start + "><v>" + exactPointText(*cell.number) + "</v></c>";
    const std::string words = cell.number ? exactPointText(*cell.number) : cell.text;
    return start + " t=\"inlineStr\"><is><t xml:space=\"preserve\">" + escaped(words) + "</t></is></c>";
}

std::string sheetXml(const Sheet& sheet)
{
    std::string xml = str(xmlDeclaration) + "<worksheet xmlns=\"" + str(spreadsheetNamespace) + "\">";
    if (sheet.headed)
        xml += R"(<sheetViews><sheetView workbookViewId="0"><pane ySplit="1" topLeftCell="A2" activePane="bottomLeft" )"
               R"(state="frozen"/></sheetView></sheetViews>)";
    if (!sheet.widths.empty()) {
        xml += "<cols>";
        for (std::size_t c = 0; c < sheet.widths.size(); ++c) {
            const std::string at = std::to_string(c + 1);
            xml += "<col min=\"" + at + "\" max=\"" + at + "\" width=\"" + std::to_string(sheet.widths[c]) +
                   "\" customWidth=\"1\"/>";
        }
        xml += "</cols>";
    }
    xml += "<sheetData>";
    for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
        const std::string number = std::to_string(r + 1);
        xml += "<row r=\"" + number + "\">";
        for (std::size_t c = 0; c < sheet.rows[r].size(); ++c)
            xml += cellXml(sheet.rows[r][c], columnName(c) + number);
        xml += "</row>";
    }
    return xml + "</sheetData></worksheet>";
}

std::string relationship(const std::string& id, std::string_view type, const std::string& target)
{
    return "<Relationship Id=\"" + id + "\" Type=\"" + str(relationshipsNamespace) + "/" + str(type) + "\" Target=\"" +
           target + "\"/>";
}

std::string partType(const std::string& part, std::string_view type)
{
    return "<Override PartName=\"/" + part + "\" ContentType=\"" + str(contentType) + str(type) + "\"/>";
}

} // namespace

Cell text(std::string words, Look look)
{
    return {std::move(words), std::nullopt, look};
}

Cell number(double value, Look look)
{
    return {{}, value, look};
}

std::string workbook(std::span<const Sheet> sheets)
{
    std::vector<ZipEntry> parts;
    std::string types = str(xmlDeclaration) + "<Types xmlns=\"" + str(contentTypesNamespace) + "\">" +
                        R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.)"
                        R"(relationships+xml"/><Default Extension="xml" ContentType="application/xml"/>)" +
                        partType("xl/workbook.xml", "sheet.main+xml") + partType("xl/styles.xml", "styles+xml");
    const std::string relationshipsStart =
        str(xmlDeclaration) + "<Relationships xmlns=\"" + str(packageRelationshipsNamespace) + "\">";
    std::string bookRelationships = relationshipsStart + relationship("rId0", "styles", "styles.xml");
    std::string book = str(xmlDeclaration) + "<workbook xmlns=\"" + str(spreadsheetNamespace) + "\" xmlns:r=\"" +
                       str(relationshipsNamespace) + "\"><sheets>";
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        const std::string number = std::to_string(i + 1);
        const std::string path = "worksheets/sheet" + number + ".xml";
        types += partType("xl/" + path, "worksheet+xml");
        bookRelationships += relationship("rId" + number, "worksheet", path);
        book +=
            "<sheet name=\"" + escaped(sheets[i].name) + "\" sheetId=\"" + number + "\" r:id=\"rId" + number + "\"/>";
        parts.push_back({"xl/" + path, sheetXml(sheets[i])});
    }
    const ZipEntry package[] = {
        {"[Content_Types].xml", types + "</Types>"},
        {"_rels/.rels",
         relationshipsStart + relationship("rId1", "officeDocument", "xl/workbook.xml") + "</Relationships>"},
        {"xl/workbook.xml", book + "</sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels", bookRelationships + "</Relationships>"},
        {"xl/styles.xml", str(xmlDeclaration) + "<styleSheet xmlns=\"" + str(spreadsheetNamespace) + "\">" +
                              str(styles) + "</styleSheet>"},
    };
    parts.insert(parts.begin(), std::begin(package), std::end(package));
    return storedZip(parts);
}

} // namespace window::spreadsheet
