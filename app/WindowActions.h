#pragma once

#include <QKeySequence>
#include <QString>

#include <functional>

class QWidget;

// What the window hands out through its keys and the drawing's context menu: the picture and the
// readings (PictureActions, ReadingsActions) add their actions here alike.
namespace windowActions {

// An action of the window: its words and keys shown in the drawing's context menu, its keys heard
// anywhere in the window.
void add(QWidget* window, const QString& text, const QKeySequence& keys, const std::function<void()>& act);
// A line between the window's groups of actions in the menu.
void separate(QWidget* window);
// Tells the user that a file could not be saved, as plain text: the file's name is the user's,
// and is never read as markup.
void tellProblem(QWidget* window, const QString& message);

} // namespace windowActions
