#include "app/WindowActions.h"

#include "app/Languages.h"

#include <QAction>
#include <QMessageBox>
#include <QWidget>

namespace windowActions {

void add(QWidget* window, const QString& text, const QKeySequence& keys, const std::function<void()>& act)
{
    auto* action = new QAction(text, window);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setShortcutVisibleInContextMenu(true);
    QObject::connect(action, &QAction::triggered, window, act);
    window->addAction(action);
    // The drawing lets clicks through to the window, whose menu offers the actions.
    window->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void separate(QWidget* window)
{
    auto* line = new QAction(window);
    line->setSeparator(true);
    window->addAction(line);
}

void tellProblem(QWidget* window, const QString& message)
{
    QMessageBox box(QMessageBox::Warning, languages::title(), message, QMessageBox::Ok, window);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace windowActions
