#pragma once

#include "window/Design.h"

// Where the window's controls stand in pixels, the same for every front end.
namespace window {

struct Size {
    int width{};
    int height{};
};

// The window's client area in logical pixels.
Size clientPixels();

// The device pixels a line control sets, at so many device pixels per logical pixel, in device
// pixels from the window's corner: along the line, from the pixel after the one its first end
// falls in to the one its last end falls in; across it, the pen's width about the middle of the
// line's own row or column, a pixel counting in when its centre lies within the pen, one on the
// pen's far edge in and one on its near edge out. Whole device pixels, so that a line is the same
// whichever part of it is repainted, and at every resolution.
Rect linePixels(Point from, Point to, int width, double ratio);

// A language may have no word as short as the design's ("Vzduch" for "Air"): a caption on the
// drawing or an option may then grow into the free space beside it, about its alignment. Buttons,
// frames and the prompt keep their size, their words chosen to fit.
bool mayGrow(const Control& control);
// How far a control that lacks so many pixels for its caption moves its left edge to the left.
int grownLeft(const Control& control, int lacking);

} // namespace window
