// What the browser page calls: the window's design, its state after every action, the user's
// actions, a run taken a few steps at a time between the browser's frames, and the drawing's
// pixels. The page only lays the window out and mirrors it; the window's logic is all here.

#include "sim/Run.h"
#include "surface/PixelCanvas.h"
#include "web/Json.h"
#include "web/SeparatorNumbers.h"
#include "window/Form.h"
#include "window/Translate.h"
#include "window/Version.h"

#include <emscripten/emscripten.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using web::json::quoted;
using web::json::quotedOrNull;

// The page's own words: shown when the window has been closed, and on its message's button.
constexpr const char* closedText = QT_TRANSLATE_NOOP("Page", "The window is closed. Reload the page to open it again.");
constexpr const char* okText = QT_TRANSLATE_NOOP("Page", "OK");

// The page's table of translations, made from the desktop's .ts files, answers in the language
// the page chose; nothing where it has no translation.
EM_JS(int, translateInPage, (const char* context, const char* text, char* out, int size), {
    const translated = Module.translate ? Module.translate(UTF8ToString(context), UTF8ToString(text)) : null;
    if (translated == null)
        return -1;
    return stringToUTF8(translated, out, size);
});

std::string translate(const char* context, const char* text)
{
    char out[1024];
    return translateInPage(context, text, out, int(sizeof out)) < 0 ? std::string(text) : std::string(out);
}

std::string design(const char* text)
{
    return translate(window::designContext, text);
}

// What a click tells the page to do next.
enum ClickResult { Nothing = 0, RunBegun = 1, Refused = 2, Unloaded = 3 };

std::string hex(surface::Colour c)
{
    char text[16];
    std::snprintf(text, sizeof text, "\"#%02x%02x%02x\"", unsigned(c & 0xFFu), unsigned((c >> 8) & 0xFFu),
                  unsigned((c >> 16) & 0xFFu));
    return text;
}

// A tint the design names; null for the control's own default and for the button text, which is
// black on the design's light colours.
std::string colour(window::Tint tint)
{
    const std::optional<surface::Colour> c = window::colourOf(tint);
    return c ? hex(*c) : "null";
}

const char* alignment(window::Align align)
{
    switch (align) {
    case window::Align::Centre:
        return "centre";
    case window::Align::Right:
        return "right";
    case window::Align::Left:
        break;
    }
    return "left";
}

const char* kindName(window::Kind kind)
{
    switch (kind) {
    case window::Kind::TextBox:
        return "TextBox";
    case window::Kind::ScrollBar:
        return "ScrollBar";
    case window::Kind::Frame:
        return "Frame";
    case window::Kind::Option:
        return "Option";
    case window::Kind::Command:
        return "Command";
    case window::Kind::Label:
        break;
    }
    return "Label";
}

// A font the design sets is bold; the window's default font is not.
std::string font(const window::Font& f, bool bold)
{
    return "{\"family\":" + quotedOrNull(f.family) + ",\"points\":" + std::to_string(f.points) +
           ",\"bold\":" + (bold ? "true" : "false") + "}";
}

std::string designJson()
{
    const window::WindowProperties& p = window::properties();
    std::string out = "{\"window\":{\"name\":" + quoted(p.name) + ",\"caption\":" + quoted(window::caption(translate)) +
                      ",\"clientWidth\":" + std::to_string(p.clientWidth) +
                      ",\"clientHeight\":" + std::to_string(p.clientHeight) + ",\"background\":" + hex(p.background) +
                      ",\"defaultFont\":" + font(p.defaultFont, false) + "},\"controls\":[";
    const char* comma = "";
    for (const window::Control& c : window::controls()) {
        out += comma;
        comma = ",";
        out += "{\"name\":" + quoted(c.name) + ",\"kind\":" + quoted(kindName(c.kind)) +
               ",\"container\":" + quotedOrNull(c.container) + ",\"text\":" + quoted(design(c.text)) +
               ",\"left\":" + std::to_string(c.place.left) + ",\"top\":" + std::to_string(c.place.top) +
               ",\"width\":" + std::to_string(c.place.width) + ",\"height\":" + std::to_string(c.place.height) +
               ",\"font\":" + font(c.font, c.font.family != nullptr) + ",\"back\":" + colour(c.back) +
               ",\"fore\":" + colour(c.fore) + ",\"align\":" + quoted(alignment(c.align)) +
               ",\"hidden\":" + (c.hidden ? "true" : "false") + ",\"tab\":" + std::to_string(c.tab) +
               ",\"bordered\":" + (c.bordered ? "true" : "false") +
               ",\"accessibleName\":" + quoted(window::accessibleName(c, translate)) + "}";
    }
    out += "],\"lines\":[";
    comma = "";
    for (const window::Line& l : window::lines()) {
        out += comma;
        comma = ",";
        out += "{\"name\":" + quoted(l.name) + ",\"x1\":" + std::to_string(l.from.x) +
               ",\"y1\":" + std::to_string(l.from.y) + ",\"x2\":" + std::to_string(l.to.x) +
               ",\"y2\":" + std::to_string(l.to.y) + ",\"width\":" + std::to_string(l.width) +
               ",\"accessibleName\":" + quoted(design(l.accessibleName)) + "}";
    }
    out += "],\"linesFollow\":" + quoted(window::linesFollow) +
           ",\"drawingName\":" + quoted(design(window::drawingName)) +
           ",\"pageTexts\":{\"closed\":" + quoted(translate("Page", closedText)) +
           ",\"ok\":" + quoted(translate("Page", okText)) + "}" + ",\"startButton\":" + quoted(window::startButton) +
           ",\"exitButton\":" + quoted(window::exitButton) + ",\"beneathDrawing\":" + quoted(window::beneathDrawing) +
           ",\"clickResults\":{\"nothing\":" + std::to_string(Nothing) + ",\"runBegun\":" + std::to_string(RunBegun) +
           ",\"refused\":" + std::to_string(Refused) + ",\"unloaded\":" + std::to_string(Unloaded) + "}" +
           ",\"scrollMaximum\":" + std::to_string(window::scrollMaximum) +
           ",\"scrollPage\":" + std::to_string(window::scrollPage) +
           ",\"twipsPerPixel\":" + std::to_string(surface::twipsPerPixel) + ",\"version\":" + quoted(window::version) +
           "}";
    return out;
}

// The drawing of the page's window: transparent until painted, as the desktop's canvas is.
class PageCanvas final : public surface::Surface {
public:
    static constexpr int width = 763;
    static constexpr int height = 575;

    void setScaleMode(int) override {}
    void setDrawWidth(int pixels) override { pixels_.setDrawWidth(pixels); }
    void Line(int flags, float x1, float y1, float x2, float y2, surface::Colour colour) override
    {
        pixels_.line(buffer(), flags, x1, y1, x2, y2, colour);
    }
    void Circle(float x, float y, float radius) override { pixels_.circle(buffer(), x, y, radius); }
    void flush() override {}

    // R, G, B, A for each pixel, row by row, as an ImageData holds them. Every pixel the
    // drawing paints is opaque, so premultiplying changed nothing.
    const std::uint8_t* rgba()
    {
        std::uint8_t* out = rgba_.data();
        for (const std::uint32_t pixel : argb_) {
            *out++ = std::uint8_t(pixel >> 16);
            *out++ = std::uint8_t(pixel >> 8);
            *out++ = std::uint8_t(pixel);
            *out++ = std::uint8_t(pixel >> 24);
        }
        return rgba_.data();
    }

private:
    surface::raster::Buffer buffer() { return {argb_.data(), width, height, width}; }

    std::vector<std::uint32_t> argb_ = std::vector<std::uint32_t>(std::size_t(width) * height, 0u);
    std::vector<std::uint8_t> rgba_ = std::vector<std::uint8_t>(argb_.size() * 4);
    surface::PixelCanvas pixels_{1.0};
};

// What the form asks of the page: a run is begun here and taken on by the page's frames.
class PageHost final : public window::Host {
public:
    using Event = ClickResult;

    explicit PageHost(surface::Surface& drawing)
        : drawing_(drawing)
    {
    }

    // The run's set-up (the scene, the case and every path's sum) is its first frame's work.
    void run(const sim::RunSettings& settings) override
    {
        settings_ = settings;
        event_ = RunBegun;
    }
    void refuse(const window::Refusal& refusal) override
    {
        refusal_ = refusal;
        event_ = Refused;
    }
    void unload() override { event_ = Unloaded; }

    Event takeEvent() { return std::exchange(event_, Nothing); }
    const std::optional<window::Refusal>& refusal() const { return refusal_; }
    // Draws for about so many milliseconds; whether the run goes on. A frame that begins a run
    // also sets it up, and steps as far as the time left allows.
    bool advance(double budgetMs)
    {
        const double end = emscripten_get_now() + budgetMs;
        if (settings_) {
            run_ = std::make_unique<sim::Run>(*settings_, drawing_);
            settings_.reset();
        }
        if (!run_)
            return false;
        while (!run_->done() && emscripten_get_now() < end)
            run_->step();
        if (run_->done())
            run_.reset();
        return bool(run_);
    }
    void stop()
    {
        settings_.reset();
        run_.reset();
    }

private:
    surface::Surface& drawing_;
    std::optional<sim::RunSettings> settings_;
    std::unique_ptr<sim::Run> run_;
    std::optional<window::Refusal> refusal_;
    Event event_{Nothing};
};

// The page's one window.
struct Page {
    explicit Page(const std::string& decimalSeparator)
        : numbers(decimalSeparator)
    {
    }
    PageCanvas canvas;
    web::SeparatorNumbers numbers;
    PageHost host{canvas};
    window::Form form{host, canvas, numbers, sim::sweepSteps, translate};
};

std::unique_ptr<Page> page;
std::string text;

const char* kept(std::string s)
{
    text = std::move(s);
    return text.c_str();
}

std::string stateJson(const window::State& state)
{
    std::string texts, shown, selected, places, lines;
    for (const window::Control& c : window::controls()) {
        const char* comma = shown.empty() ? "" : ",";
        shown += comma + quoted(c.name) + ":" + (state.shown(c.name) ? "true" : "false");
        const window::Point at = state.place(c.name);
        places += comma + quoted(c.name) + ":[" + std::to_string(at.x) + "," + std::to_string(at.y) + "]";
        if (c.kind == window::Kind::TextBox)
            texts += (texts.empty() ? "" : ",") + quoted(c.name) + ":" + quoted(state.text(c.name));
        if (state.selected(c.name))
            selected += (selected.empty() ? "" : ",") + quoted(c.name);
    }
    for (const window::Line& l : window::lines()) {
        const window::State::LineEnds& ends = state.line(l.name);
        lines += (lines.empty() ? "" : ",") + quoted(l.name) + ":{\"x1\":" + std::to_string(ends.from.x) +
                 ",\"y1\":" + std::to_string(ends.from.y) + ",\"x2\":" + std::to_string(ends.to.x) +
                 ",\"y2\":" + std::to_string(ends.to.y) + ",\"shown\":" + (ends.shown ? "true" : "false") + "}";
    }
    return "{\"texts\":{" + texts + "},\"shown\":{" + shown + "},\"selected\":[" + selected + "],\"places\":{" +
           places + "},\"lines\":{" + lines + "},\"scroll\":" + std::to_string(state.scrollPosition()) + "}";
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* tr_design()
{
    return kept(designJson());
}

EMSCRIPTEN_KEEPALIVE void tr_start(const char* decimalSeparator)
{
    page = std::make_unique<Page>(decimalSeparator);
    page->form.Form_Load();
}

EMSCRIPTEN_KEEPALIVE const char* tr_state()
{
    return kept(stateJson(page->form.state()));
}

EMSCRIPTEN_KEEPALIVE int tr_click(const char* name)
{
    page->form.click(name);
    return page->host.takeEvent();
}

EMSCRIPTEN_KEEPALIVE void tr_type(const char* name, const char* typed)
{
    page->form.type(name, typed);
}

EMSCRIPTEN_KEEPALIVE void tr_scroll(int position)
{
    page->form.scroll(position);
}

EMSCRIPTEN_KEEPALIVE const char* tr_refusal()
{
    const std::optional<window::Refusal>& refusal = page->host.refusal();
    return kept(refusal ? window::refusalMessage(*refusal, page->numbers, translate) : std::string());
}

EMSCRIPTEN_KEEPALIVE int tr_advance(double budgetMs)
{
    return page->host.advance(budgetMs) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void tr_stop()
{
    page->host.stop();
}

EMSCRIPTEN_KEEPALIVE const std::uint8_t* tr_pixels()
{
    return page->canvas.rgba();
}

EMSCRIPTEN_KEEPALIVE int tr_width()
{
    return PageCanvas::width;
}

EMSCRIPTEN_KEEPALIVE int tr_height()
{
    return PageCanvas::height;
}
}
