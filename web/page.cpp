// What the browser page calls: the window as data (its design, and its state after every
// action), the user's actions, the window's rules the page follows (what waits during a run, the
// tab order, the scroll bar), a run taken a frame at a time between the browser's frames, and the
// drawing's pixels. The page only builds its elements and mirrors the window; the window's logic
// is all here, in the window library.

#include "surface/Canvas.h"
#include "web/SeparatorNumbers.h"
#include "window/DesignJson.h"
#include "window/Focus.h"
#include "window/Form.h"
#include "window/Geometry.h"
#include "window/Json.h"
#include "window/Readings.h"
#include "window/ScrollBar.h"
#include "window/Translate.h"

#include <emscripten/emscripten.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using window::json::quoted;

// The page's own words: shown when the window has been closed or has stopped, and on its buttons.
constexpr const char* closedText = QT_TRANSLATE_NOOP("Page", "The window is closed. Reload the page to open it again.");
constexpr const char* stoppedText =
    QT_TRANSLATE_NOOP("Page", "The window stopped because of an error. Reload the page to start it again.");
constexpr const char* okText = QT_TRANSLATE_NOOP("Page", "OK");
constexpr const char* reloadText = QT_TRANSLATE_NOOP("Page", "Reload");
// The drawing's menu: the desktop's words for the same actions, and the page's for a clipboard
// the browser would not let it write to.
constexpr const char* copyReadingsText = QT_TRANSLATE_NOOP("ReadingsActions", "Copy readings");
constexpr const char* saveReadingsText = QT_TRANSLATE_NOOP("ReadingsActions", "Save readings\u2026");
constexpr const char* savePictureText = QT_TRANSLATE_NOOP("PictureActions", "Save picture\u2026");
constexpr const char* notCopiedText = QT_TRANSLATE_NOOP("Page", "The readings could not be copied.");

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

// What a click tells the page to do next.
enum ClickResult { Nothing = 0, RunBegun = 1, Refused = 2, Unloaded = 3 };

// What the form asks of the page: a run begun is taken on by the page's frames.
class PageHost final : public window::Host {
public:
    void runBegun() override { event_ = RunBegun; }
    void refuse(const window::Refusal& refusal) override
    {
        refusal_ = refusal;
        event_ = Refused;
    }
    void unload() override { event_ = Unloaded; }

    ClickResult takeEvent() { return std::exchange(event_, Nothing); }
    const std::optional<window::Refusal>& refusal() const { return refusal_; }

private:
    std::optional<window::Refusal> refusal_;
    ClickResult event_{Nothing};
};

// The page's one window.
struct Page {
    explicit Page(const std::string& decimalSeparator)
        : numbers(decimalSeparator)
    {
    }
    // The drawing, as the desktop's canvas draws it, in the byte order of a browser's ImageData.
    surface::Canvas canvas{window::clientPixels().width, window::clientPixels().height, 1.0, surface::PixelOrder::Rgba};
    web::SeparatorNumbers numbers;
    PageHost host;
    window::Form form{host, canvas, numbers, sim::sweepSteps, translate};
};

std::unique_ptr<Page> page;
// The last text handed to the page, kept until the next; the page reads it with its length, so
// that a NUL typed into a cell does not end it.
std::string text;

const char* kept(std::string s)
{
    text = std::move(s);
    return text.c_str();
}

// A text the page has put into the module's memory, with its length in bytes of UTF-8.
std::string given(const char* bytes, int length)
{
    return std::string(bytes, std::size_t(length));
}

// A browser's event as the window's rule for a run knows it: its kind ("pointer", "key" or
// "other") and a key's role ("tab", "backtab", "press" or "other").
window::Input inputOf(const std::string& kind, const std::string& control, const std::string& role)
{
    using window::Input;
    const Input::Kind k = kind == "pointer" ? Input::Kind::Pointer
                          : kind == "key"   ? Input::Kind::Key
                                            : Input::Kind::Other;
    const Input::Key key = role == "tab"       ? Input::Key::Tab
                           : role == "backtab" ? Input::Key::Backtab
                           : role == "press"   ? Input::Key::Press
                                               : Input::Key::Other;
    return {k, control, key};
}

std::optional<window::ScrollBarPart> partNamed(const std::string& name)
{
    using window::ScrollBarPart;
    for (const auto& [word, part] :
         {std::pair{"backArrow", ScrollBarPart::BackArrow}, std::pair{"forwardArrow", ScrollBarPart::ForwardArrow},
          std::pair{"trackBefore", ScrollBarPart::TrackBefore}, std::pair{"trackAfter", ScrollBarPart::TrackAfter},
          std::pair{"thumb", ScrollBarPart::Thumb}}) {
        if (name == word)
            return part;
    }
    return std::nullopt;
}

// The scroll bar moved as an action moves it; whether it was an action at all.
int scrollBy(std::optional<window::ScrollAction> action)
{
    if (!action)
        return 0;
    page->form.scroll(window::scrolled(page->form.state().scrollPosition(), *action));
    return 1;
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE int tr_text_length()
{
    return int(text.size());
}

EMSCRIPTEN_KEEPALIVE const char* tr_design()
{
    return kept(window::designJson(translate));
}

// The page's own words, and the answers of a click.
EMSCRIPTEN_KEEPALIVE const char* tr_page()
{
    return kept("{\"texts\":{\"closed\":" + quoted(translate("Page", closedText)) + ",\"stopped\":" +
                quoted(translate("Page", stoppedText)) + ",\"ok\":" + quoted(translate("Page", okText)) +
                ",\"reload\":" + quoted(translate("Page", reloadText)) +
                ",\"copyReadings\":" + quoted(translate("ReadingsActions", copyReadingsText)) +
                ",\"saveReadings\":" + quoted(translate("ReadingsActions", saveReadingsText)) +
                ",\"savePicture\":" + quoted(translate("PictureActions", savePictureText)) +
                ",\"notCopied\":" + quoted(translate("Page", notCopiedText)) + "},\"clickResults\":{\"nothing\":" +
                std::to_string(Nothing) + ",\"runBegun\":" + std::to_string(RunBegun) +
                ",\"refused\":" + std::to_string(Refused) + ",\"unloaded\":" + std::to_string(Unloaded) + "}}");
}

EMSCRIPTEN_KEEPALIVE void tr_start(const char* decimalSeparator, int length)
{
    page = std::make_unique<Page>(given(decimalSeparator, length));
    page->form.Form_Load();
}

// The state, its lines in the drawing's device pixels.
EMSCRIPTEN_KEEPALIVE const char* tr_state()
{
    return kept(window::stateJson(page->form.state(), page->canvas.ratio()));
}

// The drawing at so many device pixels per pixel of the window: the same picture drawn afresh.
EMSCRIPTEN_KEEPALIVE void tr_resize(double ratio)
{
    page->canvas.setRatio(ratio);
}

EMSCRIPTEN_KEEPALIVE int tr_click(const char* name, int length)
{
    page->form.click(given(name, length));
    return page->host.takeEvent();
}

EMSCRIPTEN_KEEPALIVE void tr_type(const char* name, int nameLength, const char* typed, int typedLength)
{
    page->form.type(given(name, nameLength), given(typed, typedLength));
}

// The scroll bar dragged to a position.
EMSCRIPTEN_KEEPALIVE void tr_scroll(int position)
{
    page->form.scroll(position);
}

// A key on the scroll bar, by the browser's name for it; whether the key moves the bar.
EMSCRIPTEN_KEEPALIVE int tr_scroll_key(const char* key, int length)
{
    return scrollBy(window::keyed(given(key, length)));
}

// A press on a part of the scroll bar; whether it moves the bar.
EMSCRIPTEN_KEEPALIVE int tr_scroll_press(const char* part, int length)
{
    const std::optional<window::ScrollBarPart> pressed = partNamed(given(part, length));
    return pressed ? scrollBy(window::pressed(*pressed)) : 0;
}

// The control Tab (forward) or Shift+Tab moves the focus to from a control.
EMSCRIPTEN_KEEPALIVE const char* tr_next_stop(const char* name, int length, int forward)
{
    const window::Control* to = window::nextStop(page->form.state(), given(name, length), forward != 0);
    return kept(to ? to->name : "");
}

// The option an arrow key moves to from an option; empty for none.
EMSCRIPTEN_KEEPALIVE const char* tr_option_toward(const char* name, int length, int dx, int dy)
{
    const window::Control* to = window::optionToward(page->form.state(), given(name, length), dx, dy);
    return kept(to ? to->name : "");
}

// How far a control whose caption lacks so many pixels moves its left edge.
EMSCRIPTEN_KEEPALIVE int tr_grown_left(const char* name, int length, int lacking)
{
    const window::Control* control = window::findControl(given(name, length));
    return control ? window::grownLeft(*control, lacking) : 0;
}

// What the user does during a run: the token it waits under, or 0 when it is handled now.
EMSCRIPTEN_KEEPALIVE int tr_set_aside(const char* kind, int kindLength, const char* control, int controlLength,
                                      const char* role, int roleLength)
{
    const std::string target = given(control, controlLength);
    const std::optional<int> token =
        page->form.setAside(inputOf(given(kind, kindLength), target, given(role, roleLength)));
    return token.value_or(0);
}

// The next input set aside to hand back, or 0.
EMSCRIPTEN_KEEPALIVE int tr_next_set_aside()
{
    return page->form.nextSetAside().value_or(0);
}

EMSCRIPTEN_KEEPALIVE const char* tr_refusal()
{
    const std::optional<window::Refusal>& refusal = page->host.refusal();
    return kept(refusal ? window::refusalMessage(*refusal, page->numbers, translate) : std::string());
}

// One frame of the run; whether the run goes on.
EMSCRIPTEN_KEEPALIVE int tr_advance()
{
    return page->form.runFrame() ? 1 : 0;
}

// The window closes.
EMSCRIPTEN_KEEPALIVE void tr_stop()
{
    page->form.Form_Unload();
}

// What the last run measured: as CSV for a file, and as a table in the page's language for a
// spreadsheet; a header alone before the first run.
EMSCRIPTEN_KEEPALIVE const char* tr_readings_csv()
{
    return kept(window::readingsCsv(page->form.measured()));
}

EMSCRIPTEN_KEEPALIVE const char* tr_readings_table()
{
    return kept(window::readingsTable(page->form.measured(), page->numbers));
}

// The last run's result in words; nothing before the first run.
EMSCRIPTEN_KEEPALIVE const char* tr_statement()
{
    const std::optional<window::Measured>& measured = page->form.measured();
    return kept(measured ? window::statement(*measured, page->numbers, translate) : std::string());
}

// The pace at a position of the scroll bar, in words.
EMSCRIPTEN_KEEPALIVE const char* tr_pace_text(int position)
{
    return kept(window::paceText(position, page->numbers, translate));
}

// A name for the window's picture or readings, without its extension, such as "water-35-750".
EMSCRIPTEN_KEEPALIVE const char* tr_file_name()
{
    return kept(page->form.fileName());
}

// The drawing's pixels, R, G, B and A each, row by row, as an ImageData holds them.
EMSCRIPTEN_KEEPALIVE const std::uint32_t* tr_pixels()
{
    return page->canvas.pixels();
}

EMSCRIPTEN_KEEPALIVE int tr_canvas_width()
{
    return page->canvas.width();
}

EMSCRIPTEN_KEEPALIVE int tr_canvas_height()
{
    return page->canvas.height();
}

// The part of the drawing changed since it was last asked for: left, top, right and bottom in
// device pixels, right not beyond left when nothing has.
EMSCRIPTEN_KEEPALIVE const int* tr_changed()
{
    static int changed[4];
    const surface::raster::Rect r = page->canvas.takeChanged();
    changed[0] = r.left;
    changed[1] = r.top;
    changed[2] = r.right;
    changed[3] = r.bottom;
    return changed;
}
}
