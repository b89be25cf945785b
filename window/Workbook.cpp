#include "window/Workbook.h"

#include "sim/Scene.h"
#include "window/Choices.h"
#include "window/Design.h"
#include "window/PointNumber.h"
#include "window/Readings.h"
#include "window/Version.h"
#include "window/Zip.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace window {
namespace {

constexpr const char* context = "Workbook";

constexpr std::string_view xmlDeclaration = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
                                            "\n";
constexpr std::string_view spreadsheetNamespace = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr std::string_view relationshipsNamespace =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr std::string_view contentType = "application/vnd.openxmlformats-officedocument.spreadsheetml.";

// The cells' looks, by their place in styles.xml's cellXfs: plain, a name (bold, at the top of
// its row) and a value (at the top, wrapped within its column).
enum class Look { Plain, Name, Value };

constexpr std::string_view styles =
    R"(<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
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
    R"(<cellStyles count="1"><cellStyle name="Normal" xfId="0" builtinId="0"/></cellStyles></styleSheet>)";

// The readings' columns are this wide, in characters; the run's names and values these.
constexpr int readingsWidth = 12;
constexpr int runWidths[] = {28, 100};

// A cell holds words or a number.
struct Cell {
    std::string text;
    std::optional<double> number;
    Look look{Look::Plain};
};

Cell textCell(std::string text, Look look = Look::Plain)
{
    return {std::move(text), std::nullopt, look};
}

Cell numberCell(double value, Look look = Look::Plain)
{
    return {{}, value, look};
}
using Row = std::vector<Cell>;

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
    // A value that is no finite number is written as the CSV writes it, as text.
    const std::string text = cell.number ? exactPointText(*cell.number) : cell.text;
    return start + " t=\"inlineStr\"><is><t xml:space=\"preserve\">" + escaped(text) + "</t></is></c>";
}

// A worksheet of these rows, its columns this wide; the first row stays in view where it names
// the columns below it.
std::string sheetXml(const std::vector<Row>& rows, std::span<const int> widths, bool headed)
{
    std::string xml(xmlDeclaration);
    xml += "<worksheet xmlns=\"" + std::string(spreadsheetNamespace) + "\">";
    if (headed)
        xml += R"(<sheetViews><sheetView workbookViewId="0"><pane ySplit="1" topLeftCell="A2" activePane="bottomLeft" )"
               R"(state="frozen"/></sheetView></sheetViews>)";
    xml += "<cols>";
    int column = 1;
    for (const int width : widths) {
        const std::string at = std::to_string(column++);
        xml += "<col min=\"" + at + "\" max=\"" + at + "\" width=\"" + std::to_string(width) + "\" customWidth=\"1\"/>";
    }
    xml += "</cols><sheetData>";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::string number = std::to_string(r + 1);
        xml += "<row r=\"" + number + "\">";
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            xml += cellXml(rows[r][c], columnName(c) + number);
        xml += "</row>";
    }
    return xml + "</sheetData></worksheet>";
}

std::vector<Row> readingRows(const Measured& measured)
{
    std::vector<Row> rows(1);
    for (const ReadingColumn& column : readingColumns())
        rows.front().push_back(textCell(column.name, Look::Name));
    for (const sim::Reading& reading : measured.readings) {
        Row& row = rows.emplace_back();
        for (const ReadingColumn& column : readingColumns())
            row.push_back(numberCell(column.value(reading)));
    }
    return rows;
}

// The run, a setting a row: its name as the window captions it, and its value.
std::vector<Row> runRows(const Measured& measured, const NumberText& numbers, const Translate& translate)
{
    const auto words = [&translate](const char* text) { return translated(translate, context, text); };
    const auto design = [&translate](const char* text) { return translated(translate, designContext, text); };
    const auto captionOf = [&design](const char* control) { return design(findControl(control)->text); };
    const sim::RunSettings& s = measured.settings;
    const std::string noneNamed = words(QT_TRANSLATE_NOOP("Workbook", "none named"));

    std::string substance = noneNamed;
    for (const Substance& each : substances()) {
        if (&each.medium == s.medium)
            substance = captionOf(each.option);
    }
    std::string drawnCase = noneNamed;
    for (const Angle& each : angles()) {
        if (each.incidence == s.incidence)
            drawnCase = captionOf(each.option);
    }
    // The scroll bar's position that set the run's slowdown: slowdownAt is a straight line.
    const double perPosition = slowdownAt(1) - slowdownAt(0);
    const double position = std::round((s.slowdown - slowdownAt(0)) / perPosition);
    const int pacePosition = int(std::clamp(position, 0.0, double(scrollMaximum)));

    const auto row = [](std::string name, Cell value) {
        value.look = Look::Value;
        return Row{textCell(std::move(name), Look::Name), std::move(value)};
    };
    return {
        row(captionOf(name::frmLátka), textCell(substance)),
        row(captionOf(name::nTextIndex), numberCell(s.refIndex)),
        row(captionOf(name::frmDopad), numberCell(s.alphaDeg)),
        row(words(QT_TRANSLATE_NOOP("Workbook", "Case drawn")), textCell(drawnCase)),
        row(captionOf(name::frmDistance), numberCell(s.distanceH)),
        row(design(findControl(name::HScroll1)->accessibleName), textCell(paceText(pacePosition, numbers, translate))),
        row(words(QT_TRANSLATE_NOOP("Workbook", "Program")), textCell(design(properties().title) + " " + version)),
        row(words(QT_TRANSLATE_NOOP("Workbook", "Result")), textCell(statement(measured, numbers, translate))),
        row(words(QT_TRANSLATE_NOOP("Workbook", "Positions")),
            textCell(fill(words(QT_TRANSLATE_NOOP(
                              "Workbook", "In twips of the window, from its top left corner: x to the right, with the "
                                          "normal at x = %1; y downward, with the boundary at y = %2.")),
                          {wholeNumberText(sim::xBeam), wholeNumberText(sim::yBoundary)}))),
    };
}

} // namespace

std::string workbook(const Measured& measured, const NumberText& numbers, const Translate& translate)
{
    const auto words = [&translate](const char* text) { return translated(translate, context, text); };
    const std::string readingsName = words(QT_TRANSLATE_NOOP("Workbook", "Readings"));
    const std::string runName = words(QT_TRANSLATE_NOOP("Workbook", "Run"));
    const auto part = [](std::string_view name, std::string_view type) {
        return "<Override PartName=\"" + std::string(name) + "\" ContentType=\"" + std::string(contentType) +
               std::string(type) + "\"/>";
    };
    const std::string types =
        std::string(xmlDeclaration) +
        R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
        R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.)"
        R"(relationships+xml"/><Default Extension="xml" ContentType="application/xml"/>)" +
        part("/xl/workbook.xml", "sheet.main+xml") + part("/xl/worksheets/sheet1.xml", "worksheet+xml") +
        part("/xl/worksheets/sheet2.xml", "worksheet+xml") + part("/xl/styles.xml", "styles+xml") + "</Types>";
    const auto relationship = [](std::string_view id, std::string_view type, std::string_view target) {
        return "<Relationship Id=\"" + std::string(id) + "\" Type=\"" + std::string(relationshipsNamespace) + "/" +
               std::string(type) + "\" Target=\"" + std::string(target) + "\"/>";
    };
    const std::string relationshipsStart = std::string(xmlDeclaration) +
                                           "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/"
                                           "relationships\">";
    const std::string packageRelationships =
        relationshipsStart + relationship("rId1", "officeDocument", "xl/workbook.xml") + "</Relationships>";
    const std::string workbookRelationships = relationshipsStart +
                                              relationship("rId1", "worksheet", "worksheets/sheet1.xml") +
                                              relationship("rId2", "worksheet", "worksheets/sheet2.xml") +
                                              relationship("rId3", "styles", "styles.xml") + "</Relationships>";
    const std::string book = std::string(xmlDeclaration) + "<workbook xmlns=\"" + std::string(spreadsheetNamespace) +
                             "\" xmlns:r=\"" + std::string(relationshipsNamespace) + "\"><sheets><sheet name=\"" +
                             escaped(readingsName) + "\" sheetId=\"1\" r:id=\"rId1\"/><sheet name=\"" +
                             escaped(runName) + "\" sheetId=\"2\" r:id=\"rId2\"/></sheets></workbook>";
    const std::vector<int> readingsWidths(readingColumns().size(), readingsWidth);
    const ZipEntry entries[] = {
        {"[Content_Types].xml", types},
        {"_rels/.rels", packageRelationships},
        {"xl/workbook.xml", book},
        {"xl/_rels/workbook.xml.rels", workbookRelationships},
        {"xl/styles.xml", std::string(xmlDeclaration) + std::string(styles)},
        {"xl/worksheets/sheet1.xml", sheetXml(readingRows(measured), readingsWidths, true)},
        {"xl/worksheets/sheet2.xml", sheetXml(runRows(measured, numbers, translate), runWidths, false)},
    };
    return storedZip(entries);
}

} // namespace window
