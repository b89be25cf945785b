#pragma once

class QString;
class QWidget;

// A run's result said to screen readers the moment the run ends, wherever the focus is. A screen
// reader speaks a notification as it appears, with the words it holds; the drawing's description,
// which holds the same words, is read only by whoever moves to the drawing. The notice is heard,
// not seen: it paints nothing and lets every click through to the window beneath it.
namespace resultNotice {

// Call once, before the first notice.
void prepare();
// A new notice with these words, in place of the last: each result appears afresh, and is spoken.
void show(QWidget* window, const QString& words);

} // namespace resultNotice
