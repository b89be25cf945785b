#pragma once

#include <optional>
#include <string_view>

// What moves the pace's scroll bar, the same from the keyboard, the mouse and a finger, and the
// same whether it happens now or is handed back after a run: a step on an arrow, a page on the
// track towards the press, nothing on the thumb (which is dragged). Up, as on the desktop's
// scroll bars, is towards the end.
namespace window {

enum class ScrollAction { StepBack, StepForward, PageBack, PageForward, ToStart, ToEnd };
enum class ScrollBarPart { BackArrow, ForwardArrow, TrackBefore, TrackAfter, Thumb };

// The position an action leaves the bar at, within its range.
int scrolled(int position, ScrollAction action);
// What a press on a part of the bar does.
std::optional<ScrollAction> pressed(ScrollBarPart part);
// What a key does to the bar with the focus, by the key's name as a browser gives it
// ("ArrowLeft", "PageUp", "Home" and the like).
std::optional<ScrollAction> keyed(std::string_view key);

} // namespace window
