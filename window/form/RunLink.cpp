#include "window/form/RunLink.h"

#include "window/form/Choices.h"
#include "window/form/Design.h"
#include "window/form/Form.h"
#include "window/form/Glossary.h"
#include "window/form/PointNumber.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>
#include <span>

namespace window {
namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// %XX and + as a form's address writes them; a % that starts no escape stays as it is.
std::string decoded(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int high = i + 2 < text.size() ? hexDigit(text[i + 1]) : -1;
        const int low = high >= 0 ? hexDigit(text[i + 2]) : -1;
        if (text[i] == '%' && low >= 0) {
            out += char(high * 16 + low);
            i += 2;
        } else {
            out += text[i] == '+' ? ' ' : text[i];
        }
    }
    return out;
}

// Well-formed UTF-8, the only text a cell holds: a byte that starts no character, or starts one
// that is cut, overlong or a surrogate, becomes U+FFFD.
std::string wellFormed(std::string_view text)
{
    static const std::string replacement = "\xEF\xBF\xBD";
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const std::size_t length = byte < 0x80             ? 1
                                   : (byte & 0xE0) == 0xC0 ? 2
                                   : (byte & 0xF0) == 0xE0 ? 3
                                   : (byte & 0xF8) == 0xF0 ? 4
                                                           : 0;
        bool good = length > 0 && i + length <= text.size();
        char32_t c = length == 1 ? byte : length ? byte & (0x7Fu >> length) : 0;
        for (std::size_t k = 1; good && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            good = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3Fu);
        }
        static constexpr char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        good = good && c >= least[length] && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
        out += good ? std::string(text.substr(i, length)) : replacement;
        i += good ? length : 1;
    }
    return out;
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// A link's words are read as a teacher may write them: Glass is glass.
bool sameWord(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) { return lower(x) == lower(y); });
}

template <class Row, class Word> const Row* rowNamed(std::span<const Row> table, std::string_view value, Word word)
{
    for (const Row& row : table)
        if (sameWord(value, word(row)))
            return &row;
    return nullptr;
}

const Substance* substanceWord(std::string_view value)
{
    return rowNamed(substances(), value, [](const Substance& s) { return s.fileWord; });
}
const Angle* angleWord(std::string_view value)
{
    return rowNamed(angles(), value, [](const Angle& a) { return a.fileWord; });
}
const Distance* distanceWord(std::string_view value)
{
    return rowNamed(distances(), value, [](const Distance& d) { return std::to_string(d.twips); });
}
const Pace* paceWord(std::string_view value)
{
    return rowNamed(paces(), value, [](const Pace& p) { return p.linkWord; });
}

// A scroll bar's position, in plain digits only.
std::optional<int> position(std::string_view value)
{
    int p = -1;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), p);
    if (error != std::errc() || end != value.data() + value.size() || p < 0 || p > scrollMaximum)
        return std::nullopt;
    return p;
}

std::string escaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= '0' && byte <= '9') || ((byte | 0x20) >= 'a' && (byte | 0x20) <= 'z') || c == '-' || c == '.' ||
            c == '_' || c == '~') {
            out += c;
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", byte);
            out += hex;
        }
    }
    return out;
}

} // namespace

LinkSettings settingsOfQuery(std::string_view query)
{
    if (!query.empty() && query.front() == '?')
        query.remove_prefix(1);
    // Anything after a fragment mark is the page's own, not a setting.
    query = query.substr(0, query.find('#'));
    LinkSettings settings;
    while (!query.empty()) {
        const std::size_t end = std::min(query.find('&'), query.size());
        const std::string_view pair = query.substr(0, end);
        query.remove_prefix(std::min(end + 1, query.size()));
        if (pair.empty())
            continue;
        const std::size_t equals = std::min(pair.find('='), pair.size());
        settings.push_back({wellFormed(decoded(pair.substr(0, equals))),
                            wellFormed(decoded(pair.substr(std::min(equals + 1, pair.size()))))});
    }
    return settings;
}

bool openLink(Form& form, const LinkSettings& settings)
{
    // What the link names, the last of each kind.
    const Substance* substance = nullptr;
    const Angle* angle = nullptr;
    const Distance* distance = nullptr;
    const Pace* pace = nullptr;
    int scrolled = -1; // no position named
    std::optional<std::string> typedAngle;
    std::optional<std::string> typedIndex;
    bool run = false;
    for (const LinkSetting& s : settings) {
        if (s.key == linkKey::substance) {
            substance = substanceWord(s.value) ? substanceWord(s.value) : substance;
        } else if (s.key == linkKey::angle) {
            if (const Angle* named = angleWord(s.value))
                angle = named;
            else
                typedAngle = s.value;
        } else if (s.key == linkKey::index) {
            typedIndex = s.value;
        } else if (s.key == linkKey::distance) {
            distance = distanceWord(s.value) ? distanceWord(s.value) : distance;
        } else if (s.key == linkKey::pace) {
            if (const Pace* named = paceWord(s.value)) {
                pace = named;
                scrolled = -1;
            } else if (const std::optional<int> p = position(s.value)) {
                scrolled = *p;
                pace = nullptr;
            }
        } else if (s.key == linkKey::run) {
            run = true;
        }
    }
    // In the order a teacher clicks and types.
    if (substance)
        form.click(substance->option);
    if (angle)
        form.click(angle->option);
    if (distance)
        form.click(distance->option);
    if (typedAngle)
        form.type(name::nAlfa, *typedAngle);
    if (typedIndex)
        form.type(name::nIndex, *typedIndex);
    if (pace)
        form.click(pace->option);
    if (scrolled >= 0)
        form.scroll(scrolled);
    return run;
}

std::string queryOfRun(const sim::RunSettings& run)
{
    std::string query;
    const auto add = [&query](const char* key, const std::string& value) {
        query += (query.empty() ? "" : "&") + std::string(key) + "=" + escaped(value);
    };
    const Substance* substance = substanceOf(run);
    if (substance)
        add(linkKey::substance, substance->fileWord);
    const Substance& written = substance ? *substance : unnamedSubstance();
    // The angle's option, then the number typed over what it wrote, where one was.
    const Angle* angle = angleOf(run);
    const double optionDegrees = !angle                                         ? run.alphaDeg
                                 : angle->incidence == sim::Incidence::Critical ? written.criticalAngle
                                                                                : angle->degrees;
    if (angle && (angle->option != std::string_view(name::opMenší) || optionDegrees == run.alphaDeg))
        add(linkKey::angle, angle->fileWord);
    if (optionDegrees != run.alphaDeg || !angle)
        add(linkKey::angle, exactPointText(run.alphaDeg));
    if (run.refIndex != written.index)
        add(linkKey::index, exactPointText(run.refIndex));
    if (const Distance* distance = distanceOf(run))
        add(linkKey::distance, std::to_string(distance->twips));
    const auto pace =
        std::find_if(paces().begin(), paces().end(), [&](const Pace& p) { return p.slowdown == run.slowdown; });
    if (pace != paces().end())
        add(linkKey::pace, pace->linkWord);
    else
        add(linkKey::pace, std::to_string(positionOfSlowdown(run.slowdown)));
    return query + "&" + linkKey::run;
}

} // namespace window
