#include "window/handout/Workbook.h"

#include "sim/Scene.h"
#include "window/form/Choices.h"
#include "window/form/Design.h"
#include "window/form/Version.h"
#include "window/formats/Spreadsheet.h"
#include "window/handout/Light.h"
#include "window/handout/Readings.h"
#include "window/handout/Statement.h"

#include <algorithm>
#include <cmath>

namespace window {
namespace {

using spreadsheet::Look;
using spreadsheet::Row;

constexpr const char* context = "Workbook";

// The readings' columns are this wide, in characters; the run's names and values these.
constexpr int readingsWidth = 12;
constexpr int namesWidth = 28;
constexpr int valuesWidth = 100;

std::vector<Row> readingRows(const std::optional<Measured>& measured)
{
    std::vector<Row> rows(1);
    for (const ReadingColumn& column : readingColumns())
        rows.front().push_back(spreadsheet::text(column.name, Look::Name));
    if (!measured)
        return rows;
    for (const sim::Reading& reading : measured->readings) {
        Row& row = rows.emplace_back();
        for (const ReadingColumn& column : readingColumns())
            row.push_back(spreadsheet::number(column.value(reading)));
    }
    return rows;
}

// A row of the Run sheet: a name, and its value.
Row row(std::string name, spreadsheet::Cell value)
{
    value.look = Look::Value;
    return Row{spreadsheet::text(std::move(name), Look::Name), std::move(value)};
}

// An angle as the words say it: to a tenth of a degree, from the normal.
double tenths(double degrees)
{
    return std::round(std::abs(degrees) * 10) / 10;
}

// The angles of the run by the laws, then each detector's light from a real beam: the angle its
// positions give beside the law's, so that a student can check the laws from the readings.
std::vector<Row> angleRows(const Measured& measured, const Translate& translate)
{
    const auto words = [&translate](const char* text) { return translated(translate, context, text); };
    const auto design = [&translate](const char* text) { return translated(translate, designContext, text); };
    const light::Light light = light::lightOf(measured);
    const light::Angles& a = light.angles;
    const auto angle = [&words](const std::optional<double>& degrees) {
        return degrees ? spreadsheet::number(tenths(*degrees))
                       : spreadsheet::text(words(QT_TRANSLATE_NOOP("Workbook", "none")));
    };
    std::vector<Row> rows{
        row(words(QT_TRANSLATE_NOOP("Workbook", "Angle of incidence")), angle(a.incidence)),
        row(words(QT_TRANSLATE_NOOP("Workbook", "Angle of reflection, by the law of reflection")), angle(a.reflection)),
        row(words(QT_TRANSLATE_NOOP("Workbook", "Angle of refraction, by Snell's law")), angle(a.refraction)),
        row(words(QT_TRANSLATE_NOOP("Workbook", "Critical angle")), angle(a.critical)),
    };
    const char* const captions[] = {name::nDetektorV, name::nDetektorH, name::nDetektorS};
    for (std::size_t d = 0; d < light.detectors.size(); ++d) {
        const std::string detector = design(findControl(captions[d])->text);
        for (const light::Finding& f : light.detectors[d].findings) {
            if (!f.law)
                continue;
            const bool refracted = f.source == light::Source::Refracted;
            const std::string beam = words(refracted ? QT_TRANSLATE_NOOP("Workbook", "refracted light")
                                                     : QT_TRANSLATE_NOOP("Workbook", "reflected light"));
            rows.push_back(
                row(fill(words(QT_TRANSLATE_NOOP("Workbook", "%1, %2: angle from its positions")), {detector, beam}),
                    f.measured ? spreadsheet::number(tenths(*f.measured))
                               : spreadsheet::text(words(QT_TRANSLATE_NOOP(
                                     "Workbook", "not measured: the beam runs off the stretch it measures")))));
            rows.push_back(
                row(fill(words(refracted ? QT_TRANSLATE_NOOP("Workbook", "%1, %2: by Snell's law")
                                         : QT_TRANSLATE_NOOP("Workbook", "%1, %2: by the law of reflection")),
                         {detector, beam}),
                    spreadsheet::number(tenths(*f.law))));
        }
    }
    rows.push_back(row(words(QT_TRANSLATE_NOOP("Workbook", "Angles")),
                       spreadsheet::text(words(QT_TRANSLATE_NOOP(
                           "Workbook", "In degrees from the normal, from the direction the run worked out from the "
                                       "typed angle. The angle a detector's positions give is the direction from the "
                                       "middle of the lit stretch of the boundary to the middle of the light the "
                                       "detector found.")))));
    rows.push_back(row(words(QT_TRANSLATE_NOOP("Workbook", "Comparing readings")),
                       spreadsheet::text(words(QT_TRANSLATE_NOOP(
                           "Workbook", "Readings compare along one track only, not between detectors or between "
                                       "runs: the arrows' lengths differ with the angle option, so a reading's size "
                                       "is no share of the light.")))));
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

    const Substance* substance = substanceOf(s);
    const Angle* drawn = angleOf(s);
    const int pacePosition = positionOfSlowdown(s.slowdown);

    const auto text = [](std::string words) { return spreadsheet::text(std::move(words)); };
    const auto number = [](double value) { return spreadsheet::number(value); };
    std::vector<Row> rows{
        row(captionOf(name::frmLátka), text(substance ? captionOf(substance->option) : noneNamed)),
        row(captionOf(name::nTextIndex), number(s.refIndex)),
        row(captionOf(name::frmDopad), number(s.alphaDeg)),
        row(words(QT_TRANSLATE_NOOP("Workbook", "Case drawn")), text(drawn ? captionOf(drawn->option) : noneNamed)),
        row(captionOf(name::frmDistance), number(s.distanceH)),
        row(design(findControl(name::HScroll1)->accessibleName), text(paceText(pacePosition, numbers, translate))),
        row(words(QT_TRANSLATE_NOOP("Workbook", "Program")), text(design(properties().title) + " " + version)),
        row(words(QT_TRANSLATE_NOOP("Workbook", "Result")), text(statement(measured, numbers, translate))),
        row(words(QT_TRANSLATE_NOOP("Workbook", "Positions")),
            text(fill(words(QT_TRANSLATE_NOOP("Workbook",
                                              "In twips of the window, from its top left corner: x to the right, "
                                              "with the normal at x = %1; y downward, with the boundary at y = %2.")),
                      {wholeNumberText(sim::xBeam), wholeNumberText(sim::yBoundary)}))),
    };
    for (Row& angles : angleRows(measured, translate))
        rows.push_back(std::move(angles));
    return rows;
}

} // namespace

std::string workbook(const std::optional<Measured>& measured, const NumberText& numbers, const Translate& translate)
{
    const auto words = [&translate](const char* text) { return translated(translate, context, text); };
    std::vector<spreadsheet::Sheet> sheets{{words(QT_TRANSLATE_NOOP("Workbook", "Readings")), readingRows(measured),
                                            std::vector<int>(readingColumns().size(), readingsWidth), true}};
    if (measured)
        sheets.push_back({words(QT_TRANSLATE_NOOP("Workbook", "Run")),
                          runRows(*measured, numbers, translate),
                          {namesWidth, valuesWidth},
                          false});
    return spreadsheet::workbook(sheets);
}

std::string readingsFile(Format format, const std::optional<Measured>& measured, const NumberText& numbers,
                         const Translate& translate)
{
    return format == Format::Workbook ? workbook(measured, numbers, translate) : readingsCsv(measured);
}

} // namespace window
