#pragma once

class QLineEdit;

namespace window {
struct Control;
}

// Where a caption's words stand in its box on the desktop. The line edit lays its line out
// between its text margins, two pixels in from them, by its alignment, and its box clips the
// letters' ink.
namespace caption {

// Across: the words stand where the alignment puts them, their line reaching a pixel past the
// designed box on either side, or, where they are longer than that, grown about the alignment
// (window/rules/Geometry.h). Their letters' ink then stands a pixel clear of the box's sides: the
// words move by as few pixels as they must, and where the box is too narrow for them, it takes
// them in, so that no letter is cut. The same place at every resolution.
void placeWords(QLineEdit* box, const window::Control& control);
// Down: the line where the window's rule puts it (window::captionLineTop).
void placeLine(QLineEdit* box);

} // namespace caption
