#pragma once

#include <functional>
#include <initializer_list>
#include <string>

// Marks the words a translator translates; a front end looks them up by context and English
// text. Spelled as Qt spells it, so that a Qt source may include this before or after Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace window {

// Turns the program's own words into the user's language: given a context and an English text.
using Translate = std::function<std::string(const char* context, const char* text)>;

// The context of the design's words: captions, the window's title and the accessible names.
inline constexpr const char* designContext = "Design";

// Puts the arguments in place of %1, %2 … in one pass, so that an argument that itself holds
// "%2" (typed by the user) is left as it is.
inline std::string fill(const std::string& pattern, std::initializer_list<std::string> arguments)
{
    std::string filled;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const int n = i + 1 < pattern.size() ? pattern[i + 1] - '1' : -1;
        if (pattern[i] == '%' && n >= 0 && n < int(arguments.size())) {
            filled += arguments.begin()[n];
            ++i;
        } else {
            filled += pattern[i];
        }
    }
    return filled;
}

// The English text itself where there is no translation to ask.
inline std::string translated(const Translate& translate, const char* context, const char* text)
{
    return translate ? translate(context, text) : std::string(text);
}

} // namespace window
