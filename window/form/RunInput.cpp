#include "window/form/RunInput.h"

#include "window/form/Design.h"

namespace window {

Handling duringRun(const Input& input)
{
    using enum Input::Key;
    const bool atExit = input.control == exitButton;
    const bool focusMoves = input.kind == Input::Kind::Key && (input.key == Tab || input.key == Backtab);
    const bool pressesExit =
        atExit && (input.kind == Input::Kind::Pointer || (input.kind == Input::Kind::Key && input.key == Press));
    return focusMoves || pressesExit ? Handling::Now : Handling::AfterRun;
}

std::optional<int> SetAside::keep(const Input& input, bool runGoing)
{
    if (!runGoing || duringRun(input) == Handling::Now)
        return std::nullopt;
    tokens_.push_back(++lastToken_);
    return lastToken_;
}

std::optional<int> SetAside::next(bool runGoing)
{
    if (runGoing || tokens_.empty())
        return std::nullopt;
    const int token = tokens_.front();
    tokens_.pop_front();
    return token;
}

} // namespace window
