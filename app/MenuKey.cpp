#include "app/MenuKey.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

namespace menuKey {
namespace {

// Sees the key once no control has taken it, on its way up to the window.
class ShiftF10 final : public QObject {
public:
    explicit ShiftF10(QWidget* window)
        : QObject(window)
        , window_(window)
    {
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F10 || key->modifiers() != Qt::ShiftModifier)
            return false;
        if (!key->isAutoRepeat())
            QCoreApplication::postEvent(window_->windowHandle(),
                                        new QContextMenuEvent(QContextMenuEvent::Keyboard,
                                                              window_->mapFromGlobal(QCursor::pos()), QCursor::pos(),
                                                              key->modifiers()));
        return true;
    }

private:
    QWidget* window_;
};

} // namespace

void prepare(QWidget* window)
{
    window->installEventFilter(new ShiftF10(window));
}

} // namespace menuKey
