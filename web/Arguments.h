#pragma once

#include <cstddef>
#include <string>
#include <variant>
#include <vector>

namespace web {

// A call's words as the page packs them into the module's memory: one after another, a text as
// the byte 't', its length in bytes (four, least significant first) and its UTF-8, a number as the
// byte 'n' and its eight bytes as a double. A text keeps whatever it holds, a NUL too. The first
// word is the call's name. What is not there reads as empty, or as 0.
class Arguments {
public:
    Arguments(const unsigned char* bytes, std::size_t length);

    const std::string& name() const { return text(0); }
    // The words after the name.
    Arguments rest() const;
    // Good as long as the arguments are.
    const std::string& text(std::size_t k) const;
    double number(std::size_t k) const;

private:
    Arguments() = default;

    std::vector<std::variant<std::string, double>> words_;
};

} // namespace web
