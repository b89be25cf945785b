#pragma once

#include "window/form/Design.h"

// Where the window's controls stand in pixels, the same for every front end.
namespace window {

struct Size {
    int width{};
    int height{};
};

// The window's client area in logical pixels.
Size clientPixels();

// How the window is shown in the room a screen gives it: as large as it fits, its proportions
// kept, centred, its edges on whole device pixels; its drawing at as many device pixels per pixel
// of the window as it is shown with, so that nothing is enlarged.
struct Fit {
    double devicePixelRatio{1}; // device pixels per pixel of the room
    double scale{1};            // pixels of the room per pixel of the window
    double ratio{1};            // device pixels per pixel of the window
    double left{};              // the window's place, in pixels of the room
    double top{};
};

// The fit in a room so many of its own pixels wide and high; an empty room shows the window at
// its own size.
Fit fitted(double roomWidth, double roomHeight, double devicePixelRatio);
// A length in pixels of the window as whole device pixels.
int devicePixels(const Fit& fit, double pixels);
// A control's box on whole device pixels, from its container's corner as the container is placed:
// its place and size in twips within a frame standing at `frame` in the window, or within the
// window itself (a frame at its corner). Each edge falls on the device pixel it would in the
// window, whatever frame it stands in.
Rect controlPixels(const Fit& fit, const Rect& place, Point frame = {});

// The desktop's zoom: the next size of the window up or down from a scale, in the steps a web
// browser's zoom takes; the window is never made smaller than the first.
inline constexpr double zoomSteps[] = {0.5, 0.67, 0.75, 0.8, 0.9, 1, 1.1, 1.25, 1.5, 1.75, 2, 2.5, 3, 4, 5};
double zoomedIn(double scale);
double zoomedOut(double scale);

// A caption's line in its box, in device pixels. Where the box is shorter than the font's line,
// the ink of the letters (descenders, accents) may reach past the box's edges: the line then moves
// so that the ink stands within the box, clear of its last row, by as little as it must.
struct CaptionLine {
    double boxHeight{};
    double top{};    // where the front end itself puts the line's top, from the box's top
    double ascent{}; // of the font's line, from its top to the baseline
    double inkAbove{};
    double inkBelow{}; // of the caption's letters, from the baseline
    double step{1};    // the front end puts a line on whole multiples of this
};
// The top of the line, from the box's top.
double captionLineTop(const CaptionLine& line);
// The controls whose words caption the drawing or the window: text boxes not meant for typing,
// and labels.
bool isCaption(const Control& control);

// The device pixels a line control sets, at so many device pixels per logical pixel, in device
// pixels from the window's corner: along the line, from the pixel after the one its first end
// falls in to the one its last end falls in; across it, the pen's width about the middle of the
// line's own row or column, a pixel counting in when its centre lies within the pen, one on the
// pen's far edge in and one on its near edge out, and at least one. Whole device pixels, so that a
// line is the same whichever part of it is repainted, and at every resolution.
Rect linePixels(Point from, Point to, int width, double ratio);

// A language may have no word as short as the design's ("Vzduch" for "Air"): a caption on the
// drawing or an option may then grow into the free space beside it, about its alignment. Buttons,
// frames and the prompt keep their size, their words chosen to fit.
bool mayGrow(const Control& control);
// How far a control that lacks so many pixels for its caption moves its left edge to the left.
int grownLeft(const Control& control, int lacking);

} // namespace window
