#include "window/driver/Script.h"

#include "window/form/Glossary.h"

#include <charconv>

namespace window {

namespace {

const std::string scrollRange = "0 to " + std::to_string(scrollMaximum);

} // namespace

std::string actionsUsage()
{
    return "Actions, performed in order:\n"
           "  click NAME        click an option or command button\n"
           "  type NAME TEXT    replace the whole text of a text box\n"
           "  scroll N          move " +
           std::string(name::HScroll1) + " to N (" + scrollRange + ")\n";
}

bool readAction(const std::vector<std::string>& words, std::size_t& i, std::vector<Action>& actions,
                std::string& problem)
{
    const std::string& verb = words[i];
    const std::size_t left = words.size() - i - 1;
    const auto kindOf = [](const std::string& name) {
        const Control* control = findControl(name);
        return control ? control->kind : Kind::Label;
    };
    if (verb == "click" && left >= 1) {
        const std::string& name = words[++i];
        if (kindOf(name) != Kind::Option && kindOf(name) != Kind::Command) {
            problem = "click names no option or command button";
            return false;
        }
        actions.push_back({Action::Verb::Click, name, {}, 0});
    } else if (verb == "type" && left >= 2) {
        const std::string& name = words[++i];
        if (kindOf(name) != Kind::TextBox) {
            problem = "type names no text box";
            return false;
        }
        actions.push_back({Action::Verb::Type, name, words[++i], 0});
    } else if (verb == "scroll" && left >= 1) {
        const std::string& number = words[++i];
        int position = -1;
        const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), position);
        if (error != std::errc() || end != number.data() + number.size() || position < 0 || position > scrollMaximum) {
            problem = "scroll takes a whole number from " + scrollRange;
            return false;
        }
        actions.push_back({Action::Verb::Scroll, {}, {}, position});
    } else {
        problem = "unknown or incomplete action";
        return false;
    }
    ++i;
    return true;
}

Clicked perform(Form& form, const Action& action)
{
    switch (action.verb) {
    case Action::Verb::Click:
        return form.click(action.name);
    case Action::Verb::Type:
        form.type(action.name, action.text);
        break;
    case Action::Verb::Scroll:
        form.scroll(action.position);
        break;
    }
    return {};
}

std::string traceText(std::string_view text)
{
    std::string line;
    const auto escape = [&line](unsigned code) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\u%04x", code);
        line += hex;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0u;
        const auto third = i + 2 < text.size() ? static_cast<unsigned char>(text[i + 2]) : 0u;
        if (byte == '\n') {
            line += "\\n";
        } else if (byte == '\r') {
            line += "\\r";
        } else if (byte == '\t') {
            line += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            escape(byte);
        } else if (byte == 0xC2 && next >= 0x80 && next < 0xA0) {
            // The C1 controls, U+0080 to U+009F.
            escape(next);
            ++i;
        } else if (byte == 0xE2 && next == 0x80 && (third == 0xA8 || third == 0xA9)) {
            // The line and paragraph separators, U+2028 and U+2029.
            escape(0x2000u + third - 0x80u);
            i += 2;
        } else {
            line += char(byte);
        }
    }
    return line;
}

void printState(const State& state, std::FILE* out)
{
    for (const char* cell :
         {name::nLátka, name::nAlfaCaption, name::nAlfa, name::nIndex, name::nDistance, name::nSpomaleni})
        std::fprintf(out, "Cell %s %s\n", cell, traceText(state.text(cell)).c_str());
    for (const char* caption : {name::nVoda, name::nSklo})
        std::fprintf(out, "Shown %s %d\n", caption, state.shown(caption));
    const State::LineEnds& line1 = state.line(name::Line1);
    std::fprintf(out, "%s %d %d %d %d %d\n", name::Line1, line1.from.x, line1.from.y, line1.to.x, line1.to.y,
                 line1.shown);
    const Point label = state.place(name::nDetektorH);
    std::fprintf(out, "Place %s %d %d\n", name::nDetektorH, label.x, label.y);
    for (const Control& c : controls()) {
        if (state.selected(c.name))
            std::fprintf(out, "Selected %s\n", c.name);
    }
}

} // namespace window
