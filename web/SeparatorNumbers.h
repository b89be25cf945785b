#pragma once

#include "window/NumberText.h"

#include <string>

namespace web {

// The cells' numbers as a browser's locale writes them: the digits 0 to 9 and the locale's decimal
// separator, which the page reads from the browser; the C form ("1.5") is read too.
class SeparatorNumbers final : public window::NumberText {
public:
    explicit SeparatorNumbers(std::string decimalSeparator)
        : separator_(std::move(decimalSeparator))
    {
    }
    std::string text(double value) const override;
    std::optional<double> number(std::string_view text) const override;

private:
    std::string separator_;
};

} // namespace web
