#pragma once

#include <string_view>
#include <utility>

// Characters of text as the cells hold it, UTF-8.
namespace window::utf8 {

// The code point that a UTF-8 sequence starts with at `at`, and how many bytes it takes; a byte
// that starts no sequence counts as a character of its own.
inline std::pair<char32_t, std::size_t> codePointAt(std::string_view text, std::size_t at)
{
    const auto byte = static_cast<unsigned char>(text[at]);
    const std::size_t length = byte < 0x80 ? 1 : byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
    if (at + length > text.size() || length == 1)
        return {byte, 1};
    char32_t c = byte & (0xFFu >> (length + 1));
    for (std::size_t k = 1; k < length; ++k)
        c = (c << 6) | (static_cast<unsigned char>(text[at + k]) & 0x3Fu);
    return {c, length};
}

// How many UTF-16 code units a text takes, as a line edit counts them: a character of four
// bytes is two, any other one.
constexpr int utf16Length(std::string_view text)
{
    int units = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0u) != 0x80u)
            units += byte >= 0xF0u ? 2 : 1;
    }
    return units;
}

// A blank in the sense of Unicode's White_Space: what a locale's conversion trims.
constexpr bool isBlank(char32_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

// A character that shows no ink, or ink that passes for another's: controls, blanks other than
// the space, and the format characters (zero-width spaces and joiners, direction marks, the soft
// hyphen, the byte-order mark).
constexpr bool isInvisible(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || (isBlank(c) && c != 0x20) || c == 0xAD || c == 0x61C ||
           c == 0x180E || (c >= 0x200B && c <= 0x200F) || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2060 && c <= 0x2064) || (c >= 0x2066 && c <= 0x206F) || c == 0xFEFF;
}

} // namespace window::utf8
