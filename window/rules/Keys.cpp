#include "window/rules/Keys.h"

#include "window/rules/Focus.h"
#include "window/rules/Shortcuts.h"

namespace window {
namespace {

bool presses(const Key& key)
{
    return key.name == "Enter" || key.name == " ";
}

bool asksForMenu(const Key& key)
{
    return isCommand(Command::Menu, key);
}

// Where an arrow points: (1, 0) to the right, (0, 1) down.
struct Step {
    std::string_view name;
    int dx;
    int dy;
};
constexpr Step arrows[] = {{"ArrowLeft", -1, 0}, {"ArrowRight", 1, 0}, {"ArrowUp", 0, -1}, {"ArrowDown", 0, 1}};

KeyEffect inGroup(const State& state, const Control& option, const Step& step)
{
    const Control* to = optionToward(state, option.name, step.dx, step.dy);
    if (!to)
        return {KeyEffect::Does::Swallow};
    return {state.selected(option.name) ? KeyEffect::Does::Click : KeyEffect::Does::Focus, to};
}

} // namespace

Input::Key roleOf(const Key& key)
{
    if (key.name == "Tab")
        return key.shift ? Input::Key::Backtab : Input::Key::Tab;
    return presses(key) ? Input::Key::Press : Input::Key::Other;
}

bool heldPress(const Key& key)
{
    return key.repeat && presses(key);
}

KeyEffect keyEffect(const State& state, std::string_view name, const Key& key)
{
    using enum KeyEffect::Does;
    const Control* control = findControl(name);
    if (key.name == "Tab")
        return {Focus, nextStop(state, name, !key.shift)};
    // From anywhere in the window but a text box: the drawing, or none of the controls.
    if (asksForMenu(key) && !(control && control->kind == Kind::TextBox))
        return {Menu};
    if (!control || key.control || key.alt || key.meta)
        return {};
    switch (control->kind) {
    case Kind::Command:
        if (presses(key))
            return {key.repeat ? Swallow : Click, control};
        break;
    case Kind::Option:
        if (key.name == " ")
            return {key.repeat ? Swallow : Click, control};
        for (const Step& step : arrows) {
            if (key.name == step.name)
                return inGroup(state, *control, step);
        }
        break;
    case Kind::ScrollBar:
        if (const std::optional<ScrollAction> action = keyed(key.name))
            return {Scroll, control, *action};
        break;
    case Kind::TextBox:
    case Kind::Frame:
    case Kind::Label:
        break;
    }
    return {};
}

} // namespace window
