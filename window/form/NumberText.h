#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace window {

// Numbers live in the cells as text in the user's locale: the digits 0 to 9 and the locale's
// decimal separator, which the front end knows and hands over. Written and read the same way by
// every front end, with the same separator both ways and never a group separator, so that every
// text written reads back as exactly the value written.
class NumberText {
public:
    explicit NumberText(std::string decimalSeparator = ".");

    const std::string& decimalSeparator() const { return separator_; }
    // At most 15 significant digits, trailing zeros dropped, no separator when whole.
    std::string text(double value) const;
    // The number a text holds; nothing for text that is not a finite number. Blanks around it are
    // passed over, as a locale's conversion passes them; a sign, a decimal part and an exponent may
    // come with it. The C form ("1.5") is read under a decimal-comma locale too, but one text holds
    // one kind of decimal mark, and no group separator.
    std::optional<double> number(std::string_view text) const;
    // Whether the text is a number in the same form that a double cannot hold: too large, or so
    // small that nothing of it would be left.
    bool beyondDoubles(std::string_view text) const;

private:
    struct Converted {
        bool whole{}; // the text is a number's, all of it
        bool beyond{};
        double value{};
    };
    Converted converted(std::string_view text) const;

    std::string separator_;
};

// Whether a text holds nothing but blanks (Unicode's White_Space, which a number's text may have
// around it): a cell that holds no number at all.
bool blankText(std::string_view text);

// Whole numbers are written the same in every locale: plain digits, no sign, no separators.
std::string wholeNumberText(int value);

} // namespace window
