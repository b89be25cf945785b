#pragma once

#include "sim/RunSettings.h"
#include "sim/SweepSteps.h"
#include "surface/Surface.h"
#include "window/NumberText.h"
#include "window/Refusal.h"
#include "window/State.h"

#include <string>
#include <string_view>
#include <variant>

namespace window {

// A text as a text box holds it: cut off after textBoxLength UTF-16 code units, between two
// characters.
std::string withinTextBox(std::string text);

struct Substance;
struct Distance;

// What only the front end can do: run the simulation the way its platform lets a picture grow
// on the screen, tell the user why Start was refused, and close the window.
class Host {
public:
    virtual ~Host() = default;
    virtual void run(const sim::RunSettings& settings) = 0;
    virtual void refuse(const Refusal& refusal) = 0;
    virtual void unload() = 0;
};

// The program's one window, frmKavrona, without its widgets: start-up and the handlers, written
// against the window's state. Every setting lives as text in a cell of the state; the handlers
// rewrite the cells, and a press of Start reads them back and runs.
class Form {
public:
    // `sweepSteps`: tests that need many short runs may stop the sweep early. `translate` gives
    // the text boxes' first texts in the front end's language.
    Form(Host& host, surface::Surface& drawing, const NumberText& numbers, int sweepSteps = sim::sweepSteps,
         const Translate& translate = {});

    State& state() { return state_; }
    const State& state() const { return state_; }

    // What the user does. A click on an option selects it and runs its handler, even when it
    // was selected already; typing replaces a text box's text and runs nothing.
    void click(std::string_view control);
    void type(std::string_view box, std::string text);
    void scroll(int position);

    // The event handlers, named after their control and event.
    void Form_Load();
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

    // What Start reads from the cells: the case choices as text, the rest as numbers.
    std::variant<sim::RunSettings, Refusal> readSettings() const;

private:
    using Handler = void (Form::*)();

    static Handler handlerOf(std::string_view control);
    // Selects an option as code does: its click handler runs only if it was not selected.
    void select(std::string_view option);
    void chooseSubstance(const Substance& substance);
    void writeCriticalAngle();
    void placeDetectorH(const Distance& distance);
    void writeSlowdown(int count);

    Host& host_;
    surface::Surface& drawing_;
    const NumberText& numbers_;
    int sweepSteps_;
    State state_;
};

} // namespace window
