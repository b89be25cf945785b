#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace window {

// Numbers live in the cells as text in the user's locale. The front end knows the locale, so it
// supplies the conversions; they must use the same decimal separator both ways and never a
// group separator, so that every text written reads back as exactly the value written.
class NumberText {
public:
    virtual ~NumberText() = default;
    // At most 15 significant digits, trailing zeros dropped, no separator when whole; the digits
    // 0 to 9 and the locale's decimal separator.
    virtual std::string text(double value) const = 0;
    // The number a text holds; nothing for text that is not a finite number. The C form ("1.5")
    // is read under a decimal-comma locale too.
    virtual std::optional<double> number(std::string_view text) const = 0;
};

// Whole numbers are written the same in every locale: plain digits, no sign, no separators.
std::string wholeNumberText(int value);

} // namespace window
