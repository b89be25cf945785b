// What the browser page calls: the window as data (its design, and what an action changed of its
// state, which every call that acts hands back beside its answer), the user's actions, the window's rules the page
// follows (what waits during a run, what a key does), a run taken a frame at a time between the browser's frames, and
// the drawing's pixels. The page only builds its elements and mirrors the window; the window's logic is all here, in
// the window library.
//
// The module's interface is the table of calls below, and nothing else: the page asks for its
// names and makes each call through tr_call, its arguments (texts and numbers) packed into the
// module's memory, its answer JSON.

#include "surface/Canvas.h"
#include "web/Arguments.h"
#include "web/Translate.h"
#include "window/form/Form.h"
#include "window/form/RunLink.h"
#include "window/form/RunLoop.h"
#include "window/form/Translate.h"
#include "window/handout/Readings.h"
#include "window/handout/Statement.h"
#include "window/handout/Worksheet.h"
#include "window/handout/Workbook.h"
#include "window/rules/DesignJson.h"
#include "window/rules/Geometry.h"
#include "window/rules/Json.h"
#include "window/rules/Keys.h"
#include "window/rules/Menu.h"
#include "window/rules/ScrollBar.h"

#include <emscripten/emscripten.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace {

using window::json::number;
using window::json::quoted;
using window::json::truth;

// The page's own words: shown when the window has been closed or has stopped, on its buttons,
// when the browser would not let it write to the clipboard, and when a save could not make its
// file as asked. The page's build writes them into the page in English (tools/manifest.mjs),
// shown before this module arrives and if it never does.
constexpr const char* closedText = QT_TRANSLATE_NOOP("Page", "The window is closed. Reload the page to open it again.");
constexpr const char* stoppedText =
    QT_TRANSLATE_NOOP("Page", "The window stopped because of an error. Reload the page to start it again.");
constexpr const char* okText = QT_TRANSLATE_NOOP("Page", "OK");
constexpr const char* reloadText = QT_TRANSLATE_NOOP("Page", "Reload");
constexpr const char* notCopiedText = QT_TRANSLATE_NOOP("Page", "The readings could not be copied.");
constexpr const char* pictureNotCopiedText = QT_TRANSLATE_NOOP("Page", "The picture could not be copied.");
constexpr const char* linkNotCopiedText = QT_TRANSLATE_NOOP("Page", "The link could not be copied.");
constexpr const char* pictureSmallerText =
    QT_TRANSLATE_NOOP("Page", "This browser cannot make the picture that large. It was saved at %1 \u00D7 %2 pixels, "
                              "the largest it can make.");
constexpr const char* pictureNotSavedText =
    QT_TRANSLATE_NOOP("Page", "The picture could not be saved: this browser could not make it.");
constexpr const char* readingsNotSavedText =
    QT_TRANSLATE_NOOP("Page", "The readings could not be saved: this browser could not make the file.");

using web::translate;

// The names the page knows the window's choices by, each written once, here.
template <class E> struct Named {
    E value;
    const char* name;
};
using Outcome = window::Clicked::Outcome;
constexpr Named<Outcome> outcomes[] = {{Outcome::Nothing, "nothing"},
                                       {Outcome::RunBegun, "runBegun"},
                                       {Outcome::Refused, "refused"},
                                       {Outcome::Closed, "closed"}};
using Does = window::KeyEffect::Does;
constexpr Named<Does> keyEffects[] = {{Does::Nothing, "nothing"}, {Does::Swallow, "swallow"}, {Does::Focus, "focus"},
                                      {Does::Click, "click"},     {Does::Scroll, "scroll"},   {Does::Menu, "menu"}};
using InputKind = window::Input::Kind;
constexpr Named<InputKind> inputKinds[] = {
    {InputKind::Pointer, "pointer"}, {InputKind::Key, "key"}, {InputKind::Other, "other"}};
using Part = window::ScrollBarPart;
constexpr Named<Part> scrollBarParts[] = {{Part::BackArrow, "backArrow"},
                                          {Part::ForwardArrow, "forwardArrow"},
                                          {Part::TrackBefore, "trackBefore"},
                                          {Part::TrackAfter, "trackAfter"},
                                          {Part::Thumb, "thumb"}};
constexpr Named<window::Handed> handed[] = {{window::Handed::Picture, "picture"},
                                            {window::Handed::Readings, "readings"},
                                            {window::Handed::Worksheet, "worksheet"},
                                            {window::Handed::Link, "link"}};
constexpr Named<window::Way> ways[] = {
    {window::Way::Copy, "copy"}, {window::Way::Save, "save"}, {window::Way::Print, "print"}};

template <class E, std::size_t N> std::string names(const Named<E> (&table)[N])
{
    std::string out;
    for (const Named<E>& n : table)
        out += (out.empty() ? "" : ",") + quoted(n.name) + ":" + std::to_string(int(n.value));
    return "{" + out + "}";
}

template <class E, std::size_t N> const char* nameOf(const Named<E> (&table)[N], E value)
{
    for (const Named<E>& n : table) {
        if (n.value == value)
            return n.name;
    }
    return "";
}

// The drawing's menu in the page's language, in the table's order.
std::string menuJson()
{
    std::string out;
    for (const window::MenuAction& a : window::menu(window::View::Page)) {
        const auto words = [](const char* text) { return quoted(translate(window::menuContext, text)); };
        out += std::string(out.empty() ? "" : ",") + "{\"what\":" + quoted(nameOf(handed, a.what)) +
               ",\"how\":" + quoted(nameOf(ways, a.how)) + ",\"words\":" + words(a.words) +
               ",\"group\":" + std::to_string(a.group) + ",\"scale\":" + number(a.scale) +
               ",\"needsRun\":" + truth(a.needsRun) + ",\"fileName\":" + quoted(window::fileNameFor(a, "")) +
               (a.file ? ",\"format\":" + std::to_string(int(a.file->format)) + ",\"extension\":" +
                             quoted(a.file->extension) + ",\"mediaType\":" + quoted(a.file->mediaType)
                       : std::string()) +
               "}";
    }
    return "[" + out + "]";
}

std::string quotedList(const std::vector<std::string>& texts)
{
    std::string out;
    for (const std::string& text : texts)
        out += (out.empty() ? "" : ",") + quoted(text);
    return "[" + out + "]";
}

std::string worksheetJson(const window::Worksheet& w)
{
    std::string rows;
    for (const std::vector<std::string>& row : w.measured.rows)
        rows += (rows.empty() ? "" : ",") + quotedList(row);
    return "{\"title\":" + quoted(w.title) + ",\"nameLine\":" + quoted(w.nameLine) +
           ",\"settingsTitle\":" + quoted(w.settingsTitle) + ",\"settings\":" + quotedList(w.settings) +
           ",\"pictureCaption\":" + quoted(w.pictureCaption) + ",\"measuredTitle\":" + quoted(w.measuredTitle) +
           ",\"header\":" + quotedList(w.measured.header) + ",\"rows\":[" + rows + "]" +
           ",\"positionsNote\":" + quoted(w.positionsNote) + ",\"questionsTitle\":" + quoted(w.questionsTitle) +
           ",\"questions\":" + quotedList(w.questions) + ",\"keyTitle\":" + quoted(w.keyTitle) +
           ",\"answers\":" + quotedList(w.answers) + ",\"resultTitle\":" + quoted(w.resultTitle) +
           ",\"result\":" + quoted(w.result) + ",\"pictureRatio\":" + number(window::worksheetPictureRatio) + "}";
}

// The page's one window.
struct Page {
    explicit Page(const std::string& decimalSeparator)
        : numbers(decimalSeparator)
    {
    }
    // The drawing, as the desktop's canvas draws it, in the byte order of a browser's ImageData.
    surface::Canvas canvas{window::clientPixels().width, window::clientPixels().height, 1.0, surface::PixelOrder::Rgba};
    // The device pixels per pixel the window is laid out at; the drawing follows, a share per frame.
    double ratio{1};
    window::NumberText numbers;
    window::Form form{canvas, numbers, sim::sweepSteps, translate};
    // Start's last refusal, for its message.
    std::optional<window::Refusal> refusal;
    // The readings as a file, kept until the next is made.
    std::string readingsFile;
    // The drawing at another resolution, as a picture to save; kept until the next is made.
    std::optional<surface::Canvas> picture;
};

std::unique_ptr<Page> page;

std::string pixelsJson(const surface::Canvas& canvas)
{
    return "{\"pixels\":" + std::to_string(reinterpret_cast<std::uintptr_t>(canvas.pixels())) +
           ",\"width\":" + std::to_string(canvas.width()) + ",\"height\":" + std::to_string(canvas.height()) +
           ",\"blank\":" + (canvas.blank() ? "true" : "false") + "}";
}

// An answer to a call that acts, and what the action changed of the window's state, which the
// page shows: the state flows one way, and the page never asks for the whole of it.
std::string withChanges(const std::string& answer)
{
    window::State& state = page->form.state();
    return "{\"answer\":" + answer + ",\"changes\":" + window::changesJson(state, state.takeChanged()) + "}";
}

std::string clicked(const window::Clicked& c)
{
    if (c.refusal)
        page->refusal = c.refusal;
    return withChanges(std::to_string(int(c.outcome)));
}

// A key as the page hands it over: its name as the browser gives it, then shift, control, alt,
// meta and repeat.
window::Key keyOf(const web::Arguments& a, std::size_t first)
{
    return {a.text(first),
            a.number(first + 1) != 0,
            a.number(first + 2) != 0,
            a.number(first + 3) != 0,
            a.number(first + 4) != 0,
            a.number(first + 5) != 0};
}

// A key at a control: what it does, which the page carries out; a scroll it does here.
std::string keyAnswer(const web::Arguments& a)
{
    const window::KeyEffect effect = window::keyEffect(page->form.state(), a.text(0), keyOf(a, 1));
    if (effect.does == Does::Scroll)
        page->form.scroll(window::scrolled(page->form.state().scrollPosition(), effect.scroll));
    return withChanges("{\"does\":" + std::to_string(int(effect.does)) +
                       ",\"control\":" + quoted(effect.control ? effect.control->name : "") + "}");
}

struct Call {
    const char* name;
    std::string (*answer)(const web::Arguments&);
};

const Call calls[] = {
    {"design", [](const web::Arguments&) { return window::designJson(translate); }},
    // The page's own words, and the names it knows the window's choices by.
    {"page",
     [](const web::Arguments&) {
         const auto words = [](const char* text) { return quoted(translate("Page", text)); };
         return "{\"texts\":{\"closed\":" + words(closedText) + ",\"stopped\":" + words(stoppedText) +
                ",\"ok\":" + words(okText) + ",\"reload\":" + words(reloadText) +
                ",\"notCopied\":" + words(notCopiedText) + ",\"pictureNotCopied\":" + words(pictureNotCopiedText) +
                ",\"linkNotCopied\":" + words(linkNotCopiedText) + ",\"pictureSmaller\":" + words(pictureSmallerText) +
                ",\"pictureNotSaved\":" + words(pictureNotSavedText) +
                ",\"readingsNotSaved\":" + words(readingsNotSavedText) + "},\"clickResults\":" + names(outcomes) +
                ",\"keyEffects\":" + names(keyEffects) + ",\"inputKinds\":" + names(inputKinds) +
                ",\"scrollBarParts\":" + names(scrollBarParts) + ",\"menu\":" + menuJson() + "}";
     }},
    {"start",
     [](const web::Arguments& a) {
         page = std::make_unique<Page>(a.text(0));
         page->form.Form_Load();
         // The first changes are the whole state.
         return withChanges("null");
     }},
    // A line's device pixels at so many device pixels per pixel: its ends in twips, its width.
    {"linePixels",
     [](const web::Arguments& a) {
         return window::linePixelsJson({int(a.number(0)), int(a.number(1))}, {int(a.number(2)), int(a.number(3))},
                                       int(a.number(4)), a.number(5));
     }},
    // The drawing at so many device pixels per pixel of the window: the same picture drawn afresh,
    // a share at a time (redraw), the old one standing meanwhile.
    {"resize",
     [](const web::Arguments& a) {
         page->ratio = a.number(0);
         page->canvas.beginRatio(page->ratio);
         return std::string("null");
     }},
    // The next share of the drawing afresh, within a frame's budget; whether more is left.
    {"redraw",
     [](const web::Arguments&) {
         return truth(page->canvas.redraw(surface::Canvas::Clock::now() + window::frameBudget));
     }},
    {"click", [](const web::Arguments& a) { return clicked(page->form.click(a.text(0))); }},
    {"type",
     [](const web::Arguments& a) {
         page->form.type(a.text(0), a.text(1));
         return withChanges("null");
     }},
    // The scroll bar dragged to a position.
    {"scroll",
     [](const web::Arguments& a) {
         page->form.scroll(int(a.number(0)));
         return withChanges("null");
     }},
    // A press on a part of the scroll bar; whether it moves the bar.
    {"scrollPress",
     [](const web::Arguments& a) {
         const std::optional<window::ScrollAction> action = window::pressed(Part(int(a.number(0))));
         if (action)
             page->form.scroll(window::scrolled(page->form.state().scrollPosition(), *action));
         return withChanges(truth(action.has_value()));
     }},
    // What a key pressed at a control does: the control, then the key.
    {"key", keyAnswer},
    // Whether a key is the keyboard repeating a press: a held key presses a button once.
    {"heldPress", [](const web::Arguments& a) { return truth(window::heldPress(keyOf(a, 0))); }},
    // How far a control whose caption lacks so many pixels moves its left edge.
    {"grownLeft",
     [](const web::Arguments& a) {
         const window::Control* control = window::findControl(a.text(0));
         return std::to_string(control ? window::grownLeft(*control, int(a.number(1))) : 0);
     }},
    // What the user does during a run, its kind, its control and a key's name and shift: the
    // token it waits under, or 0 when it is handled now.
    {"setAside",
     [](const web::Arguments& a) {
         const window::Input input{InputKind(int(a.number(0))), a.text(1),
                                   window::roleOf({a.text(2), a.number(3) != 0})};
         return std::to_string(page->form.setAside(input).value_or(0));
     }},
    // The next input set aside to hand back, or 0.
    {"nextSetAside", [](const web::Arguments&) { return std::to_string(page->form.nextSetAside().value_or(0)); }},
    {"refusal",
     [](const web::Arguments&) {
         return quoted(page->refusal ? window::refusalMessage(*page->refusal, page->numbers, translate) : "");
     }},
    // One frame of the run, and what it leaves the page to do (window::FrameDone).
    {"advance",
     [](const web::Arguments&) {
         const window::FrameDone done = page->form.frame();
         return "{\"more\":" + truth(done.more) + ",\"ended\":" + truth(done.ended) +
                ",\"refit\":" + truth(done.refit) + ",\"handBack\":" + truth(done.handBack) + "}";
     }},
    // The viewport took a new size or resolution: whether the window is fitted now, or at the end
    // of the run under way.
    {"refitNow", [](const web::Arguments&) { return truth(page->form.refitNow()); }},
    // The window closes.
    {"stop",
     [](const web::Arguments&) {
         page->form.Form_Unload();
         return std::string("null");
     }},
    // Whether a run has measured anything to hand out.
    {"measured", [](const web::Arguments&) { return truth(page->form.measured().has_value()); }},
    // What the last run measured: as a file of a format (its bytes in the module's memory), and as a
    // table in the page's language for a spreadsheet; the columns' names alone before the first run.
    {"readingsFile",
     [](const web::Arguments& a) {
         page->readingsFile =
             window::readingsFile(window::Format(int(a.number(0))), page->form.measured(), page->numbers, translate);
         return "{\"bytes\":" + std::to_string(reinterpret_cast<std::uintptr_t>(page->readingsFile.data())) +
                ",\"length\":" + std::to_string(page->readingsFile.size()) + "}";
     }},
    {"readingsTable",
     [](const web::Arguments&) { return quoted(window::readingsTable(page->form.measured(), page->numbers)); }},
    // A link's settings, the page's own address's query, put into the window through its handlers;
    // whether the link asks for a run, which the page starts once the window is ready.
    {"openLink",
     [](const web::Arguments& a) {
         return withChanges(truth(window::openLink(page->form, window::settingsOfQuery(a.text(0)))));
     }},
    // The query of a link that opens the last run again; nothing before the first run.
    {"runLink",
     [](const web::Arguments&) {
         const std::optional<window::Measured>& measured = page->form.measured();
         return quoted(measured ? window::queryOfRun(measured->settings) : std::string());
     }},
    // The worksheet made of the last run, in the page's language; null before the first run.
    {"worksheet",
     [](const web::Arguments&) {
         const std::optional<window::Measured>& measured = page->form.measured();
         return measured ? worksheetJson(window::worksheet(*measured, page->numbers, translate)) : std::string("null");
     }},
    // The last run's result in words; nothing before the first run.
    {"statement",
     [](const web::Arguments&) {
         const std::optional<window::Measured>& measured = page->form.measured();
         return quoted(measured ? window::statement(*measured, page->numbers, translate) : std::string());
     }},
    // The pace at a position of the scroll bar, in words.
    {"paceText",
     [](const web::Arguments& a) { return quoted(window::paceText(int(a.number(0)), page->numbers, translate)); }},
    // A name for the window's picture or readings, without its extension, such as "water-35-750".
    {"fileName", [](const web::Arguments&) { return quoted(page->form.fileName()); }},
    // The drawing's pixels, R, G, B and A each, row by row, as an ImageData holds them.
    {"drawing", [](const web::Arguments&) { return pixelsJson(page->canvas); }},
    // The same drawing at so many device pixels per pixel, drawn afresh, as a picture to save.
    {"picture",
     [](const web::Arguments& a) {
         page->picture.reset();
         page->picture.emplace(page->canvas);
         page->picture->setRatio(a.number(0));
         return pixelsJson(*page->picture);
     }},
    // The part of the drawing changed since it was last asked for: left, top, right and bottom in
    // device pixels, right not beyond left when nothing has.
    {"changed",
     [](const web::Arguments&) {
         const surface::raster::Rect r = page->canvas.takeChanged();
         return "[" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
                std::to_string(r.bottom) + "]";
     }},
};

// The last answer, kept until the next; the page reads it with its length.
std::string answer;

} // namespace

extern "C" {

// The names of the calls, as JSON.
EMSCRIPTEN_KEEPALIVE const char* tr_calls()
{
    std::string out;
    for (const Call& c : calls)
        out += (out.empty() ? "" : ",") + quoted(c.name);
    answer = "[" + out + "]";
    return answer.c_str();
}

// One call: its name and arguments packed as web::Arguments reads them; its answer as JSON.
EMSCRIPTEN_KEEPALIVE const char* tr_call(const unsigned char* request, int length)
{
    const web::Arguments words(request, std::size_t(length));
    answer = "null";
    for (const Call& c : calls) {
        if (words.name() == c.name)
            answer = c.answer(words.rest());
    }
    return answer.c_str();
}

EMSCRIPTEN_KEEPALIVE int tr_answer_length()
{
    return int(answer.size());
}
}
