#include "window/Form.h"

#include "sim/Plotter.h"
#include "sim/Scene.h"

#include <cmath>
#include <iterator>

namespace window {

// The substance table: the word in nLátka, the index, and the critical angle as fixed text (not
// the arcsine of 1/n). The drawing is captioned "Water" or "Glass" by one of two boxes.
struct Substance {
    const char* word;
    double index;
    double criticalAngle;
    bool water;
};

// Where Detector H's track is marked: Line1 at the height of the track, the label beside it.
struct Distance {
    int twips;
    int lineY;
    int labelTop;
};

namespace {

constexpr Substance water{"Voda", 1.33, 48.783, true};
constexpr Substance glass{"Sklo", 1.5, 41.839, false};
constexpr const char* mezní = "Mezní";

// The 35-degree option's dash, at the lower left where the hidden speed options would stand.
constexpr int dashRight = 770;
constexpr int dashY = 7440;
constexpr int dashLength = 100;

constexpr int lineLeft = 2880;
constexpr int lineRight = 11400;
constexpr int labelLeftH = 5800;

// The cells Start reads as numbers, in the order it reads them.
constexpr const char* numberCells[] = {"nIndex", "nAlfa", "nDistance", "nSpomaleni"};

} // namespace

Form::Form(Host& host, surface::Surface& drawing, const NumberText& numbers, int sweepSteps, const Translate& translate)
    : host_(host)
    , drawing_(drawing)
    , numbers_(numbers)
    , sweepSteps_(sweepSteps)
    , state_(translate)
{
}

Form::Handler Form::handlerOf(std::string_view control)
{
    struct Binding {
        const char* control;
        Handler handler;
    };
    static constexpr Binding bindings[] = {
        {"cmdStart", &Form::cmdStart_Click},
        {"cmdKonec", &Form::cmdKonec_Click},
        {"opVoda", &Form::opVoda_Click},
        {"opSklo", &Form::opSklo_Click},
        {"opMenší", &Form::opMenší_Click},
        {"opVětší", &Form::opVětší_Click},
        {"opMezní", &Form::opMezní_Click},
        {"opMaláDistance", &Form::opMaláDistance_Click},
        {"opStředníDistance", &Form::opStředníDistance_Click},
        {"opVelkáDistance", &Form::opVelkáDistance_Click},
        {"opRychlá", &Form::opRychlá_Click},
        {"opPomalejší", &Form::opPomalejší_Click},
        {"opPomalá", &Form::opPomalá_Click},
    };
    for (const Binding& b : bindings) {
        if (control == b.control)
            return b.handler;
    }
    return nullptr;
}

void Form::click(std::string_view control)
{
    const Handler handler = handlerOf(control);
    if (!handler)
        return;
    state_.select(control);
    (this->*handler)();
}

void Form::type(std::string_view box, std::string text)
{
    state_.setText(box, withinTextBox(std::move(text)));
}

void Form::scroll(int position)
{
    if (position == state_.scrollPosition())
        return;
    state_.setScrollPosition(position);
    HScroll1_Change();
}

void Form::select(std::string_view option)
{
    if (state_.selected(option))
        return;
    state_.select(option);
    (this->*handlerOf(option))();
}

void Form::Form_Load()
{
    state_.setText("nLátka", water.word);
    select("opVoda");
    writeCriticalAngle();
    select("opMenší");
    select("opStředníDistance");
    state_.setText("nDistance", wholeNumberText(750));
    select("opRychlá");
    state_.setText("nSpomaleni", wholeNumberText(1));
}

// ---- Start and Exit ----

void Form::cmdStart_Click()
{
    const std::variant<sim::RunSettings, Refusal> settings = readSettings();
    if (const Refusal* refusal = std::get_if<Refusal>(&settings)) {
        host_.refuse(*refusal);
        return;
    }
    host_.run(std::get<sim::RunSettings>(settings));
}

std::variant<sim::RunSettings, Refusal> Form::readSettings() const
{
    sim::RunSettings s;
    s.alfaCaption = state_.text("nAlfaCaption");
    s.substance = state_.text("nLátka");
    s.distanceText = state_.text("nDistance");
    s.steps = sweepSteps_;
    double* const values[] = {&s.refIndex, &s.alphaDeg, &s.distanceH, &s.slowdown};
    for (std::size_t i = 0; i < std::size(numberCells); ++i) {
        const NumberField& field = numberField(numberCells[i]);
        const std::string& text = state_.text(field.cell);
        const std::optional<double> number = usableNumber(field, text, numbers_);
        if (!number)
            return Refusal{&field, text};
        *values[i] = *number;
    }
    return s;
}

void Form::cmdKonec_Click()
{
    host_.unload();
}

// ---- Substance ----

void Form::opVoda_Click()
{
    chooseSubstance(water);
}

void Form::opSklo_Click()
{
    chooseSubstance(glass);
}

void Form::chooseSubstance(const Substance& substance)
{
    state_.setShown("nVoda", substance.water);
    state_.setShown("nSklo", !substance.water);
    state_.setText("nLátka", substance.word);
    state_.setText("nIndex", numbers_.text(substance.index));
    // A critical-angle choice follows the substance; a chosen 35 or 60 degrees stays.
    if (state_.text("nAlfaCaption") == mezní)
        state_.setText("nAlfa", numbers_.text(substance.criticalAngle));
}

// ---- Incident angle ----

void Form::opMenší_Click()
{
    state_.setText("nAlfa", wholeNumberText(35));
    state_.setText("nAlfaCaption", "35");
    // A short dash at the lower left, 100 x sin(35 degrees) long.
    const double x = dashRight - dashLength * std::sin(sim::toRadians(35));
    sim::Plotter(drawing_).line(dashRight, dashY, x, dashY);
}

void Form::opVětší_Click()
{
    state_.setText("nAlfa", wholeNumberText(60));
    state_.setText("nAlfaCaption", "60");
}

void Form::opMezní_Click()
{
    writeCriticalAngle();
    state_.setText("nAlfaCaption", mezní);
}

void Form::writeCriticalAngle()
{
    const Substance& substance = state_.text("nLátka") == water.word ? water : glass;
    state_.setText("nAlfa", numbers_.text(substance.criticalAngle));
    state_.setText("nIndex", numbers_.text(substance.index));
}

// ---- Detector H distance ----

void Form::opMaláDistance_Click()
{
    placeDetectorH({100, 4900, 4600});
}

void Form::opStředníDistance_Click()
{
    placeDetectorH({750, 4280, 4400});
}

void Form::opVelkáDistance_Click()
{
    placeDetectorH({1500, 3530, 3700});
}

void Form::placeDetectorH(const Distance& distance)
{
    state_.setText("nDistance", wholeNumberText(distance.twips));
    // Hidden while its ends move, so that no in-between line is ever shown.
    state_.setLineShown("Line1", false);
    state_.setLineEnds("Line1", {lineLeft, distance.lineY}, {lineRight, distance.lineY});
    state_.setLineShown("Line1", true);
    state_.move("nDetektorH", {labelLeftH, distance.labelTop});
}

// ---- Pace ----

void Form::opRychlá_Click()
{
    writeSlowdown(1);
}

void Form::opPomalejší_Click()
{
    writeSlowdown(500000);
}

void Form::opPomalá_Click()
{
    writeSlowdown(1000000);
}

void Form::writeSlowdown(int count)
{
    state_.setText("nSpomaleni", wholeNumberText(count));
}

void Form::HScroll1_Change()
{
    state_.setText("nSpomaleni", wholeNumberText(state_.scrollPosition()));
    const double position = numbers_.number(state_.text("nSpomaleni")).value_or(0);
    state_.setText("nSpomaleni", numbers_.text(position * 100 + 1));
}

std::string withinTextBox(std::string text)
{
    // UTF-8: a character of four bytes is two UTF-16 code units, any other one.
    int units = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0u) == 0x80u)
            continue;
        units += byte >= 0xF0u ? 2 : 1;
        if (units > textBoxLength) {
            text.resize(i);
            break;
        }
    }
    return text;
}

std::string wholeNumberText(int value)
{
    return std::to_string(value);
}

} // namespace window
