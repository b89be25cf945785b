#pragma once

#include "sim/RunSettings.h"
#include "sim/SweepSteps.h"
#include "surface/Surface.h"
#include "window/form/NumberText.h"
#include "window/form/Refusal.h"
#include "window/form/RunInput.h"
#include "window/form/RunLoop.h"
#include "window/form/State.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace window {

// A text as a text box takes it: cut off after textBoxTakes UTF-16 code units, between two
// characters.
std::string withinTextBox(std::string text);

struct Substance;
struct Distance;

// What a click did, for the front end to act on once the click has returned: a run has begun
// (the front end draws its first frame then, still in the click's own turn, and calls
// Form::frame once a frame until it says the run has ended), Start was refused (the front end says why,
// from its own event loop), or the window was closed.
struct Clicked {
    enum class Outcome { Nothing, RunBegun, Refused, Closed };
    Outcome outcome{Outcome::Nothing};
    std::optional<Refusal> refusal;

    bool operator==(Outcome o) const { return outcome == o; }
};

// What a frame of a run leaves the front end to do, once it has shown what the frame drew.
struct FrameDone {
    bool more{};     // the run goes on: another frame when the event loop comes round
    bool ended{};    // the run drew its last in this frame: its result is said, its readings offered
    bool refit{};    // a new size or resolution came during the run: the window is fitted now
    bool handBack{}; // what was set aside comes back, in a turn of the event loop of its own, never
                     // inside a frame: a Start handed back may be refused, and its message waits
};

// The program's one window, frmKavrona, without its widgets: start-up and the handlers, written
// against the window's state. Every setting lives as text in a cell of the state; the handlers
// rewrite the cells, and a press of Start reads them back and runs.
class Form {
public:
    // `sweepSteps`: tests that need many short runs may stop the sweep early. `translate` gives
    // the text boxes' first texts in the front end's language.
    Form(surface::Surface& drawing, const NumberText& numbers, int sweepSteps = sim::sweepSteps,
         const Translate& translate = {});

    State& state() { return state_; }
    const State& state() const { return state_; }

    // What the user does. A click on an option selects it and runs its handler, even when it
    // was selected already; typing replaces a text box's text and runs nothing. A click says what
    // the front end has to do next.
    Clicked click(std::string_view control);
    void type(std::string_view box, std::string text);
    void scroll(int position);

    // The run Start began, a frame at a time, and what the frame leaves the front end to do.
    bool running() const { return run_.running(); }
    FrameDone frame(RunLoop::Clock::duration budget = frameBudget);
    // The window took a new size or resolution: whether the front end fits it now. During a run
    // it keeps its size, and the frame that ends the run says to fit it then.
    bool refitNow();
    // What the last run measured; nothing before the first.
    const std::optional<Measured>& measured() const { return run_.measured(); }
    // A name for a picture of the window or its readings, without an extension, after the run
    // that made what it shows (before any run, the cells that say what the window shows), such
    // as "glass-critical-750".
    std::string fileName() const;

    // What the user does while a run draws (window/form/RunInput.h): the token it is set aside under,
    // or nothing when it is handled now. Once no run goes on, the set-aside come back in order.
    std::optional<int> setAside(const Input& input) { return setAside_.keep(input, running()); }
    std::optional<int> nextSetAside() { return setAside_.next(running()); }

    // The window's own events, which the front end raises: the handlers are named after their
    // control and event.
    void Form_Load();
    // The window closes: a run stops where it is, and nothing set aside happens.
    void Form_Unload();

    // What Start reads from the cells: the case choices as text, the rest as numbers.
    std::variant<sim::RunSettings, Refusal> readSettings() const;

private:
    using Handler = void (Form::*)();

    // The controls' handlers, which click and scroll run: a front end acts through those.
    void cmdStart_Click();
    void cmdKonec_Click();
    void opVoda_Click();
    void opSklo_Click();
    void opMenší_Click();
    void opVětší_Click();
    void opMezní_Click();
    void opMaláDistance_Click();
    void opStředníDistance_Click();
    void opVelkáDistance_Click();
    void opRychlá_Click();
    void opPomalejší_Click();
    void opPomalá_Click();
    void HScroll1_Change();

    static Handler handlerOf(std::string_view control);
    // Selects an option as code does: its click handler runs only if it was not selected.
    void select(std::string_view option);
    void chooseSubstance(const Substance& substance);
    void writeCriticalAngle();
    void placeDetectorH(const Distance& distance);
    void writeSlowdown(int count);

    surface::Surface& drawing_;
    const NumberText& numbers_;
    int sweepSteps_;
    State state_;
    RunLoop run_;
    SetAside setAside_;
    // What the handler that ran last asks of the front end, handed back by click.
    Clicked clicked_;
    bool refitWaits_{};
};

} // namespace window
