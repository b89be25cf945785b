#pragma once

class QWidget;

// Creates the window's controls at their design-time places, with their captions, fonts,
// colours and tab order, in the order the window creates them. Each control's objectName is
// its name; options stand in their frames, one group per frame, none selected.
namespace layout {

inline constexpr int clientWidth = 11445; // twips
inline constexpr int clientHeight = 8625;

// The window itself: its name, caption, client area, background and default font.
void prepareWindow(QWidget* window);
void createControls(QWidget* window);

} // namespace layout
