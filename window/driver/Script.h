#pragma once

#include "window/form/Form.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// What the headless drivers share: the actions of their command lines, performed on the form
// as a user would, and the window's state printed after them, the same from every driver.
namespace window {

struct Action {
    enum class Verb { Click, Type, Scroll } verb;
    std::string name;
    std::string text;
    int position{};
};

// The actions' part of a driver's usage text.
std::string actionsUsage();

// Reads the action that begins at words[i] and moves i past it. Nothing is read, and the reason
// is given, when the words there are no whole action or name no control that takes it.
bool readAction(const std::vector<std::string>& words, std::size_t& i, std::vector<Action>& actions,
                std::string& problem);
// What the action did: a click may begin a run, be refused or close the window.
Clicked perform(Form& form, const Action& action);

// The six cells, the shown labels, Line1, nDetektorH's place and the selected options.
void printState(const State& state, std::FILE* out);
// A cell's text on one line of a trace: control characters are written as escapes (a line break
// as a backslash and an n), so that typed text can never pass for lines of the trace.
std::string traceText(std::string_view text);

} // namespace window
