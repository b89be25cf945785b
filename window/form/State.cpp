#include "window/form/State.h"

#include <cassert>
#include <cstddef>
#include <utility>

namespace window {
namespace {

// A name the design does not have is a mistake of the caller's: it fails in a debug build, and is
// ignored in a release build.
template <class Table> std::ptrdiff_t indexOf(const Table& table, std::string_view name)
{
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (name == table[i].name)
            return std::ptrdiff_t(i);
    }
    assert(!"the design has no control or line of that name");
    return -1;
}

} // namespace

State::State(const Translate& translate)
{
    for (const Control& c : controls())
        controls_.push_back(
            {translated(translate, designContext, c.text), !c.hidden, {c.place.left, c.place.top}, false});
    for (const Line& l : lines())
        lines_.push_back({{l.from, l.to, true}});
}

StateChanges State::takeChanged()
{
    StateChanges changes;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (std::exchange(controls_[i].changed, false))
            changes.controls.push_back(&controls()[i]);
    }
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (std::exchange(lines_[i].changed, false))
            changes.lines.push_back(&lines()[i]);
    }
    changes.scroll = std::exchange(scrollChanged_, false);
    return changes;
}

State::ControlState* State::find(std::string_view name)
{
    const std::ptrdiff_t i = indexOf(controls(), name);
    return i < 0 ? nullptr : &controls_[std::size_t(i)];
}

const State::ControlState* State::find(std::string_view name) const
{
    const std::ptrdiff_t i = indexOf(controls(), name);
    return i < 0 ? nullptr : &controls_[std::size_t(i)];
}

State::LineState* State::findLine(std::string_view name)
{
    const std::ptrdiff_t i = indexOf(lines(), name);
    return i < 0 ? nullptr : &lines_[std::size_t(i)];
}

const std::string& State::text(std::string_view box) const
{
    static const std::string none;
    const ControlState* c = find(box);
    return c ? c->text : none;
}

void State::setText(std::string_view box, std::string text)
{
    ControlState* c = find(box);
    if (!c || c->text == text)
        return;
    c->text = std::move(text);
    c->changed = true;
}

bool State::shown(std::string_view control) const
{
    const ControlState* c = find(control);
    return c && c->shown;
}

void State::setShown(std::string_view control, bool shown)
{
    ControlState* c = find(control);
    if (!c || c->shown == shown)
        return;
    c->shown = shown;
    c->changed = true;
}

Point State::place(std::string_view control) const
{
    const ControlState* c = find(control);
    return c ? c->place : Point{};
}

void State::move(std::string_view control, Point topLeft)
{
    ControlState* c = find(control);
    if (!c || c->place == topLeft)
        return;
    c->place = topLeft;
    c->changed = true;
}

bool State::selected(std::string_view option) const
{
    const ControlState* c = find(option);
    return c && c->selected;
}

void State::select(std::string_view option)
{
    const Control* chosen = findControl(option);
    if (!chosen || chosen->kind != Kind::Option)
        return;
    const std::span<const Control> all = controls();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const bool selected = &all[i] == chosen;
        if (all[i].kind == Kind::Option && std::string_view(all[i].container) == chosen->container &&
            controls_[i].selected != selected) {
            controls_[i].selected = selected;
            controls_[i].changed = true;
        }
    }
}

const State::LineEnds& State::line(std::string_view name) const
{
    static const LineEnds none;
    const std::ptrdiff_t i = indexOf(lines(), name);
    return i < 0 ? none : lines_[std::size_t(i)].ends;
}

void State::setLineEnds(std::string_view name, Point from, Point to)
{
    LineState* l = findLine(name);
    if (!l || (l->ends.from == from && l->ends.to == to))
        return;
    l->ends.from = from;
    l->ends.to = to;
    l->changed = true;
}

void State::setLineShown(std::string_view name, bool shown)
{
    LineState* l = findLine(name);
    if (!l || l->ends.shown == shown)
        return;
    l->ends.shown = shown;
    l->changed = true;
}

void State::setScrollPosition(int position)
{
    if (position == scrollPosition_)
        return;
    scrollPosition_ = position;
    scrollChanged_ = true;
}

} // namespace window
