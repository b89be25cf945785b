#include "window/form/Form.h"

#include "sim/Plotter.h"
#include "sim/Scene.h"
#include "window/form/Choices.h"
#include "window/form/Glossary.h"

#include <cmath>
#include <iterator>
#include <utility>

namespace window {

namespace {

// The 35-degree option's dash, at the lower left where the hidden speed options would stand.
constexpr int dashRight = 770;
constexpr int dashY = 7440;
constexpr int dashLength = 100;

// Detector H's label stands here, beside the track that Line1 marks.
constexpr int labelLeftH = 5800;

// The cells Start reads as numbers, in the order it reads them.
constexpr const char* numberCells[] = {name::nIndex, name::nAlfa, name::nDistance, name::nSpomaleni};

} // namespace

Form::Form(surface::Surface& drawing, const NumberText& numbers, int sweepSteps, const Translate& translate)
    : drawing_(drawing)
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
        {name::cmdStart, &Form::cmdStart_Click},
        {name::cmdKonec, &Form::cmdKonec_Click},
        {name::opVoda, &Form::opVoda_Click},
        {name::opSklo, &Form::opSklo_Click},
        {name::opMenší, &Form::opMenší_Click},
        {name::opVětší, &Form::opVětší_Click},
        {name::opMezní, &Form::opMezní_Click},
        {name::opMaláDistance, &Form::opMaláDistance_Click},
        {name::opStředníDistance, &Form::opStředníDistance_Click},
        {name::opVelkáDistance, &Form::opVelkáDistance_Click},
        {name::opRychlá, &Form::opRychlá_Click},
        {name::opPomalejší, &Form::opPomalejší_Click},
        {name::opPomalá, &Form::opPomalá_Click},
    };
    for (const Binding& b : bindings) {
        if (control == b.control)
            return b.handler;
    }
    return nullptr;
}

Clicked Form::click(std::string_view control)
{
    const Handler handler = handlerOf(control);
    if (!handler)
        return {};
    state_.select(control);
    (this->*handler)();
    return std::exchange(clicked_, {});
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
    state_.setText(name::nLátka, substanceChosenBy(name::opVoda).word);
    select(name::opVoda);
    writeCriticalAngle();
    select(name::opMenší);
    select(name::opStředníDistance);
    state_.setText(name::nDistance, wholeNumberText(distanceChosenBy(name::opStředníDistance).twips));
    select(name::opRychlá);
    state_.setText(name::nSpomaleni, wholeNumberText(1));
}

// ---- Start and Exit ----

void Form::cmdStart_Click()
{
    const std::variant<sim::RunSettings, Refusal> settings = readSettings();
    if (const Refusal* refusal = std::get_if<Refusal>(&settings)) {
        clicked_ = {Clicked::Outcome::Refused, *refusal};
        return;
    }
    // A run under way is not interrupted; a Start meant for after it waits (window/form/RunInput.h).
    if (running())
        return;
    run_.begin(std::get<sim::RunSettings>(settings), drawing_);
    clicked_ = {Clicked::Outcome::RunBegun, {}};
}

std::variant<sim::RunSettings, Refusal> Form::readSettings() const
{
    // The case's words turned into the values they name, once, here.
    sim::RunSettings s =
        caseNamed(state_.text(name::nAlfaCaption), state_.text(name::nLátka), state_.text(name::nDistance));
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
    Form_Unload();
    clicked_ = {Clicked::Outcome::Closed, {}};
}

FrameDone Form::frame(RunLoop::Clock::duration budget)
{
    const bool was = running();
    FrameDone done;
    done.more = run_.frame(budget);
    done.ended = was && !done.more;
    if (done.ended) {
        done.refit = std::exchange(refitWaits_, false);
        done.handBack = !setAside_.empty();
    }
    return done;
}

bool Form::refitNow()
{
    refitWaits_ = running();
    return !refitWaits_;
}

void Form::Form_Unload()
{
    run_.stop();
    setAside_.drop();
}

// ---- Substance ----

void Form::opVoda_Click()
{
    chooseSubstance(substanceChosenBy(name::opVoda));
}

void Form::opSklo_Click()
{
    chooseSubstance(substanceChosenBy(name::opSklo));
}

void Form::chooseSubstance(const Substance& substance)
{
    // The drawing is captioned by the chosen substance's box alone.
    for (const Substance& each : substances())
        state_.setShown(each.caption, &each == &substance);
    state_.setText(name::nLátka, substance.word);
    state_.setText(name::nIndex, numbers_.text(substance.index));
    // A critical-angle choice follows the substance; a chosen 35 or 60 degrees stays.
    if (state_.text(name::nAlfaCaption) == angleChosenBy(name::opMezní).word)
        state_.setText(name::nAlfa, numbers_.text(substance.criticalAngle));
}

// ---- Incident angle ----

void Form::opMenší_Click()
{
    const int degrees = angleChosenBy(name::opMenší).degrees;
    state_.setText(name::nAlfa, wholeNumberText(degrees));
    state_.setText(name::nAlfaCaption, angleChosenBy(name::opMenší).word);
    // A short dash at the lower left, 100 x sin(35 degrees) long.
    const double x = dashRight - dashLength * std::sin(sim::toRadians(degrees));
    sim::Plotter(drawing_).line(dashRight, dashY, x, dashY);
}

void Form::opVětší_Click()
{
    const int degrees = angleChosenBy(name::opVětší).degrees;
    state_.setText(name::nAlfa, wholeNumberText(degrees));
    state_.setText(name::nAlfaCaption, angleChosenBy(name::opVětší).word);
}

void Form::opMezní_Click()
{
    writeCriticalAngle();
    state_.setText(name::nAlfaCaption, angleChosenBy(name::opMezní).word);
}

void Form::writeCriticalAngle()
{
    const Substance* named = substanceNamed(state_.text(name::nLátka));
    const Substance& substance = named ? *named : unnamedSubstance();
    state_.setText(name::nAlfa, numbers_.text(substance.criticalAngle));
    state_.setText(name::nIndex, numbers_.text(substance.index));
}

// ---- Detector H distance ----

void Form::opMaláDistance_Click()
{
    placeDetectorH(distanceChosenBy(name::opMaláDistance));
}

void Form::opStředníDistance_Click()
{
    placeDetectorH(distanceChosenBy(name::opStředníDistance));
}

void Form::opVelkáDistance_Click()
{
    placeDetectorH(distanceChosenBy(name::opVelkáDistance));
}

void Form::placeDetectorH(const Distance& distance)
{
    state_.setText(name::nDistance, wholeNumberText(distance.twips));
    // Hidden while its ends move, so that no in-between line is ever shown. It keeps the design's
    // length and moves up or down only.
    const Line& track = *findLine(name::Line1);
    state_.setLineShown(name::Line1, false);
    state_.setLineEnds(name::Line1, {track.from.x, distance.lineY}, {track.to.x, distance.lineY});
    state_.setLineShown(name::Line1, true);
    state_.move(name::nDetektorH, {labelLeftH, distance.labelTop});
}

// ---- Pace ----

void Form::opRychlá_Click()
{
    writeSlowdown(paceChosenBy(name::opRychlá).slowdown);
}

void Form::opPomalejší_Click()
{
    writeSlowdown(paceChosenBy(name::opPomalejší).slowdown);
}

void Form::opPomalá_Click()
{
    writeSlowdown(paceChosenBy(name::opPomalá).slowdown);
}

void Form::writeSlowdown(int count)
{
    state_.setText(name::nSpomaleni, wholeNumberText(count));
}

void Form::HScroll1_Change()
{
    state_.setText(name::nSpomaleni, wholeNumberText(state_.scrollPosition()));
    const double position = numbers_.number(state_.text(name::nSpomaleni)).value_or(0);
    state_.setText(name::nSpomaleni, numbers_.text(slowdownAt(position)));
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
        if (units > textBoxTakes) {
            text.resize(i);
            break;
        }
    }
    return text;
}

std::string Form::fileName() const
{
    // What is handed out is the last run's, whatever the options say since; before any run, the
    // window as it stands.
    if (const std::optional<Measured>& run = measured())
        return window::fileName(run->settings);
    return window::fileName(state_.text(name::nAlfaCaption), state_.text(name::nLátka), state_.text(name::nDistance));
}

} // namespace window
