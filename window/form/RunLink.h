#pragma once

#include "sim/RunSettings.h"

#include <string>
#include <string_view>
#include <vector>

// A run named in words a teacher can send: the page's address (?substance=glass&angle=60&run)
// and the desktop's command line (--substance glass --angle 60 --run) name the same settings.
namespace window {

class Form;

// One setting as a link names it, in the order given.
struct LinkSetting {
    std::string key;
    std::string value;
};
using LinkSettings = std::vector<LinkSetting>;

// The keys a link names a run's settings by; `run` takes no value and asks for Start.
namespace linkKey {
inline constexpr const char* substance = "substance";
inline constexpr const char* angle = "angle";
inline constexpr const char* index = "index";
inline constexpr const char* distance = "distance";
inline constexpr const char* pace = "pace";
inline constexpr const char* run = "run";
} // namespace linkKey
inline constexpr const char* linkKeys[] = {linkKey::substance, linkKey::angle, linkKey::index,
                                           linkKey::distance,  linkKey::pace,  linkKey::run};

// The settings in an address's query ("?a=b&c"), %-escapes and + decoded; text that is no
// UTF-8 comes through with U+FFFD in its place. Keys the window does not know are kept, for
// the caller to pass over.
LinkSettings settingsOfQuery(std::string_view query);

// Puts a link's settings into the window through its own handlers, in the order a teacher
// clicks: the substance, the angle's option, the distance, then what is typed into the angle
// and index boxes, then the pace. The window then stands as if it had been clicked. A value
// no option or position names is passed over; a typed value is only ever a box's text, which
// Start reads as it reads anything typed. Gives whether the link asks for a run: the front end
// presses Start once the window is ready, as the user would.
bool openLink(Form& form, const LinkSettings& settings);

// The query that opens a run again: the options it came from, the numbers where they differ
// from what those options write, and `run`. Numbers are written with a point, whatever the
// window's language, and read back exactly.
std::string queryOfRun(const sim::RunSettings& run);

} // namespace window
