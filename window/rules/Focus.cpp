#include "window/rules/Focus.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace window {
namespace {

bool shown(const State& state, const Control& c)
{
    return state.shown(c.name) && (!c.container || state.shown(c.container));
}

bool groupHasSelection(const State& state, const Control& option)
{
    for (const Control& c : controls()) {
        if (c.kind == Kind::Option && c.container == std::string_view(option.container) && state.selected(c.name))
            return true;
    }
    return false;
}

// A control's place in twips within the window, and its centre.
struct Box {
    std::int64_t left{};
    std::int64_t top{};
    std::int64_t right{};
    std::int64_t bottom{};
    std::int64_t centreX() const { return (left + right) / 2; }
    std::int64_t centreY() const { return (top + bottom) / 2; }
};

Box boxOf(const State& state, const Control& c)
{
    Point at = state.place(c.name);
    if (c.container) {
        const Point frame = state.place(c.container);
        at = {at.x + frame.x, at.y + frame.y};
    }
    return {at.x, at.y, at.x + c.place.width, at.y + c.place.height};
}

} // namespace

bool takesFocus(Kind kind)
{
    return kind == Kind::TextBox || kind == Kind::ScrollBar || kind == Kind::Option || kind == Kind::Command;
}

std::vector<const Control*> tabStops(const State& state)
{
    std::vector<const Control*> stops;
    for (const Control& c : controls()) {
        if (!takesFocus(c.kind) || !shown(state, c))
            continue;
        if (c.kind == Kind::Option && !state.selected(c.name) && groupHasSelection(state, c))
            continue;
        stops.push_back(&c);
    }
    std::stable_sort(stops.begin(), stops.end(), [](const Control* a, const Control* b) { return a->tab < b->tab; });
    return stops;
}

const Control* nextStop(const State& state, std::string_view from, bool forward)
{
    const std::vector<const Control*> stops = tabStops(state);
    if (stops.empty())
        return nullptr;
    const auto at = std::find_if(stops.begin(), stops.end(), [from](const Control* c) { return from == c->name; });
    const std::ptrdiff_t count = std::ssize(stops);
    if (at == stops.end())
        return forward ? stops.front() : stops.back();
    const std::ptrdiff_t next = ((at - stops.begin()) + (forward ? 1 : -1) + count) % count;
    return stops[std::size_t(next)];
}

const Control* optionToward(const State& state, std::string_view from, int dx, int dy)
{
    const Control* here = findControl(from);
    if (!here || here->kind != Kind::Option)
        return nullptr;
    const Box a = boxOf(state, *here);
    const Control* best = nullptr;
    std::int64_t bestScore = std::numeric_limits<std::int64_t>::max();
    for (const Control& c : controls()) {
        if (c.kind != Kind::Option || &c == here || c.container != std::string_view(here->container) ||
            !shown(state, c))
            continue;
        const Box b = boxOf(state, c);
        const std::int64_t x = b.centreX() - a.centreX();
        const std::int64_t y = b.centreY() - a.centreY();
        if (x * dx + y * dy <= 0)
            continue;
        const bool level = dx == 0 ? b.left < a.right && a.left < b.right : b.top < a.bottom && a.top < b.bottom;
        const std::int64_t along = std::abs(dx == 0 ? y : x);
        const std::int64_t across = std::abs(dx == 0 ? x : y);
        const std::int64_t score = level ? along * 65536 + across : (std::int64_t(1) << 40) + x * x + y * y;
        if (score < bestScore) {
            best = &c;
            bestScore = score;
        }
    }
    return best;
}

} // namespace window
