#include "app/WindowActions.h"

#include "app/Languages.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QWidget>

namespace windowActions {
namespace {

// The drawing's menu, one for the window's life. A menu made afresh at each opening would leave
// its items unreadable to a screen reader from the second opening on: Qt keeps an action's
// accessible item tied to the first menu that showed it.
QMenu* menuOf(QWidget* window)
{
    if (auto* menu = window->findChild<QMenu*>(QString(), Qt::FindDirectChildrenOnly))
        return menu;
    auto* menu = new QMenu(window);
    // The drawing lets clicks through to the window, whose menu offers the actions.
    window->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(window, &QWidget::customContextMenuRequested, menu,
                     [window, menu](const QPoint& at) { menu->popup(window->mapToGlobal(at)); });
    return menu;
}

} // namespace

void add(QWidget* window, const QString& text, const QKeySequence& keys, const std::function<void()>& act)
{
    auto* action = new QAction(text, window);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setShortcutVisibleInContextMenu(true);
    QObject::connect(action, &QAction::triggered, window, act);
    window->addAction(action);
    menuOf(window)->addAction(action);
}

void separate(QWidget* window)
{
    menuOf(window)->addSeparator();
}

void tellProblem(QWidget* window, const QString& message)
{
    QMessageBox box(QMessageBox::Warning, languages::title(), message, QMessageBox::Ok, window);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace windowActions
