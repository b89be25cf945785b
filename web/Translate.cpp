#include "web/Translate.h"

#include <emscripten/emscripten.h>

namespace web {
namespace {

// Module.translate answers in the chosen language; nothing where it has no translation.
EM_JS(int, translateInModule, (const char* context, const char* text, char* out, int size), {
    const translated = Module.translate ? Module.translate(UTF8ToString(context), UTF8ToString(text)) : null;
    if (translated == null)
        return -1;
    return stringToUTF8(translated, out, size);
});

} // namespace

std::string translate(const char* context, const char* text)
{
    char out[1024];
    return translateInModule(context, text, out, int(sizeof out)) < 0 ? std::string(text) : std::string(out);
}

} // namespace web
