#include "window/rules/DesignJson.h"

#include "window/form/Design.h"
#include "window/rules/Focus.h"
#include "window/rules/Geometry.h"
#include "window/rules/Json.h"

#include <cstdio>
#include <optional>

namespace window {
namespace {

using json::number;
using json::quoted;
using json::quotedOrNull;
using json::truth;

std::string hex(surface::Colour c)
{
    char text[16];
    const surface::Rgb rgb = surface::rgbOf(c);
    std::snprintf(text, sizeof text, "\"#%02x%02x%02x\"", rgb.red, rgb.green, rgb.blue);
    return text;
}

// A tint the design names; null for the control's own default and for the button text, which is
// black on the design's light colours.
std::string colour(Tint tint)
{
    const std::optional<surface::Colour> c = colourOf(tint);
    return c ? hex(*c) : "null";
}

const char* alignment(Align align)
{
    switch (align) {
    case Align::Centre:
        return "centre";
    case Align::Right:
        return "right";
    case Align::Left:
        break;
    }
    return "left";
}

const char* kindName(Kind kind)
{
    switch (kind) {
    case Kind::TextBox:
        return "TextBox";
    case Kind::ScrollBar:
        return "ScrollBar";
    case Kind::Frame:
        return "Frame";
    case Kind::Option:
        return "Option";
    case Kind::Command:
        return "Command";
    case Kind::Label:
        break;
    }
    return "Label";
}

// A font the design sets is bold; the window's default font is not.
std::string font(const Font& f, bool bold)
{
    return "{\"family\":" + quotedOrNull(f.family) + ",\"points\":" + number(f.points) + ",\"bold\":" + truth(bold) +
           "}";
}

std::string rect(const Rect& r)
{
    return "\"left\":" + std::to_string(r.left) + ",\"top\":" + std::to_string(r.top) +
           ",\"width\":" + std::to_string(r.width) + ",\"height\":" + std::to_string(r.height);
}

std::string controlJson(const Control& c, const Translate& translate)
{
    return "{\"name\":" + quoted(c.name) + ",\"kind\":" + quoted(kindName(c.kind)) +
           ",\"container\":" + quotedOrNull(c.container) +
           ",\"text\":" + quoted(translated(translate, designContext, c.text)) + "," + rect(c.place) +
           ",\"font\":" + font(c.font, c.font.family != nullptr) + ",\"back\":" + colour(c.back) +
           ",\"fore\":" + colour(c.fore) + ",\"align\":" + quoted(alignment(c.align)) +
           ",\"hidden\":" + truth(c.hidden) + ",\"takesFocus\":" + truth(takesFocus(c.kind)) +
           ",\"bordered\":" + truth(c.bordered) + ",\"mayGrow\":" + truth(mayGrow(c)) +
           ",\"caption\":" + truth(isCaption(c)) + ",\"accessibleName\":" + quoted(accessibleName(c, translate)) + "}";
}

template <class Items, class Write> std::string list(const Items& items, Write write)
{
    std::string out;
    for (const auto& item : items)
        out += (out.empty() ? "" : ",") + write(item);
    return out;
}

} // namespace

std::string designJson(const Translate& translate)
{
    const WindowProperties& p = properties();
    const Size client = clientPixels();
    const auto design = [&translate](const char* text) { return quoted(translated(translate, designContext, text)); };
    return "{\"window\":{\"name\":" + quoted(p.name) + ",\"title\":" + design(p.title) +
           ",\"caption\":" + quoted(caption(translate)) + ",\"width\":" + std::to_string(client.width) +
           ",\"height\":" + std::to_string(client.height) + ",\"background\":" + hex(p.background) +
           ",\"defaultFont\":" + font(p.defaultFont, false) + "}" + ",\"controls\":[" +
           list(controls(), [&](const Control& c) { return controlJson(c, translate); }) + "]" + ",\"lines\":[" +
           list(lines(),
                [&](const Line& l) {
                    return "{\"name\":" + quoted(l.name) + ",\"accessibleName\":" + design(l.accessibleName) + "}";
                }) +
           "],\"linesFollow\":" + quoted(linesFollow) + ",\"drawingName\":" + design(drawingName) +
           ",\"startButton\":" + quoted(startButton) + ",\"beneathDrawing\":" + quoted(beneathDrawing) +
           ",\"textBoxLength\":" + std::to_string(textBoxTakes) +
           ",\"scrollMaximum\":" + std::to_string(scrollMaximum) + ",\"scrollPage\":" + std::to_string(scrollPage) +
           ",\"twipsPerPixel\":" + std::to_string(surface::twipsPerPixel) + "}";
}

std::string changesJson(const State& state, const StateChanges& changes)
{
    const auto point = [](Point p) { return "[" + std::to_string(p.x) + "," + std::to_string(p.y) + "]"; };
    const std::string controlChanges = list(changes.controls, [&](const Control* c) {
        return quoted(c->name) + ":{" +
               (c->kind == Kind::TextBox ? "\"text\":" + quoted(state.text(c->name)) + "," : "") +
               (c->kind == Kind::Option ? "\"selected\":" + truth(state.selected(c->name)) + "," : "") +
               "\"shown\":" + truth(state.shown(c->name)) + ",\"place\":" + point(state.place(c->name)) + "}";
    });
    const std::string lineChanges = list(changes.lines, [&](const Line* l) {
        const State::LineEnds& ends = state.line(l->name);
        return quoted(l->name) + ":{\"from\":" + point(ends.from) + ",\"to\":" + point(ends.to) +
               ",\"width\":" + std::to_string(l->width) + ",\"shown\":" + truth(ends.shown) + "}";
    });
    return "{\"controls\":{" + controlChanges + "},\"lines\":{" + lineChanges + "}" +
           (changes.scroll ? ",\"scroll\":" + std::to_string(state.scrollPosition()) : std::string()) + "}";
}

std::string linePixelsJson(Point from, Point to, int width, double ratio)
{
    return "{" + rect(linePixels(from, to, width, ratio)) + "}";
}

} // namespace window
