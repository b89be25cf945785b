#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// Just enough JSON for a front end that reads the window as data: strings quoted and escaped,
// the rest written as it is.
namespace window::json {

inline std::string quoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                static constexpr char hex[] = "0123456789abcdef";
                out += "\\u00";
                out += hex[(c >> 4) & 0xF];
                out += hex[c & 0xF];
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

inline std::string quotedOrNull(const char* text)
{
    return text ? quoted(text) : "null";
}

// A number as JSON writes it, all the digits a double needs.
inline std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

inline std::string truth(bool value)
{
    return value ? "true" : "false";
}

} // namespace window::json
