#pragma once

#include <functional>
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

// The English text itself where there is no translation to ask.
inline std::string translated(const Translate& translate, const char* context, const char* text)
{
    return translate ? translate(context, text) : std::string(text);
}

} // namespace window
