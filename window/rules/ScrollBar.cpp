#include "window/rules/ScrollBar.h"

#include "window/form/Design.h"

#include <algorithm>

namespace window {

int scrolled(int position, ScrollAction action)
{
    switch (action) {
    case ScrollAction::StepBack:
        return std::max(position - 1, 0);
    case ScrollAction::StepForward:
        return std::min(position + 1, scrollMaximum);
    case ScrollAction::PageBack:
        return std::max(position - scrollPage, 0);
    case ScrollAction::PageForward:
        return std::min(position + scrollPage, scrollMaximum);
    case ScrollAction::ToStart:
        return 0;
    case ScrollAction::ToEnd:
        return scrollMaximum;
    }
    return position;
}

std::optional<ScrollAction> pressed(ScrollBarPart part)
{
    switch (part) {
    case ScrollBarPart::BackArrow:
        return ScrollAction::StepBack;
    case ScrollBarPart::ForwardArrow:
        return ScrollAction::StepForward;
    case ScrollBarPart::TrackBefore:
        return ScrollAction::PageBack;
    case ScrollBarPart::TrackAfter:
        return ScrollAction::PageForward;
    case ScrollBarPart::Thumb:
        break;
    }
    return std::nullopt;
}

std::optional<ScrollAction> keyed(std::string_view key)
{
    struct Binding {
        std::string_view key;
        ScrollAction action;
    };
    static constexpr Binding bindings[] = {
        {"ArrowLeft", ScrollAction::StepBack},     {"ArrowDown", ScrollAction::StepBack},
        {"ArrowRight", ScrollAction::StepForward}, {"ArrowUp", ScrollAction::StepForward},
        {"PageDown", ScrollAction::PageBack},      {"PageUp", ScrollAction::PageForward},
        {"Home", ScrollAction::ToStart},           {"End", ScrollAction::ToEnd},
    };
    for (const Binding& b : bindings) {
        if (key == b.key)
            return b.action;
    }
    return std::nullopt;
}

} // namespace window
