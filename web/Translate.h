#pragma once

#include <string>

namespace web {

// The program's own words in the language the page (or the node driver) chose, from its table of
// translations, made from the desktop's .ts files: the English text itself where it has none.
std::string translate(const char* context, const char* text);

} // namespace web
