#include "app/Accessibility.h"

#include "app/Languages.h"
#include "window/Design.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

#include <optional>

namespace accessibility {
namespace {

// A command button is pressed by Space, as every button is, and by Enter too, which a button
// outside a dialog does not take by itself. A held key presses it once: the presses the
// keyboard repeats while the key is down are not presses of the button. The window system marks
// a repeat as a release and a press at the same moment; when it has not seen the two together,
// it passes them on as a plain release and press, which the same moment still gives away.
class EnterPresses final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        if (keyEvent->key() != Qt::Key_Return && keyEvent->key() != Qt::Key_Enter)
            return false;
        if (event->type() == QEvent::KeyRelease) {
            released_ = keyEvent->timestamp();
            return true;
        }
        const bool repeated = keyEvent->isAutoRepeat() || (released_ && keyEvent->timestamp() == *released_);
        if (!repeated)
            static_cast<QPushButton*>(watched)->click();
        return true;
    }

private:
    std::optional<quint64> released_;
};

} // namespace

void prepare(QWidget* window)
{
    // Every control and line is announced by its design's name in the window's language; an
    // option with its group, "Substance: Water", as a sighted user reads it.
    for (const window::Control& c : window::controls())
        window->findChild<QWidget*>(QString::fromUtf8(c.name))
            ->setAccessibleName(QString::fromStdString(window::accessibleName(c, languages::translate)));
    for (const window::Line& l : window::lines())
        window->findChild<QWidget*>(QString::fromUtf8(l.name))->setAccessibleName(languages::design(l.accessibleName));
    window->findChild<QWidget*>(QStringLiteral("canvas"))->setAccessibleName(languages::design(window::drawingName));
    for (QRadioButton* option : window->findChildren<QRadioButton*>()) {
        // Tab enters a group at its selected option and leaves it at the next; the arrow keys
        // move the selection within the group.
        const auto tabStop = [option](bool selected) {
            option->setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
        };
        tabStop(option->isChecked());
        QObject::connect(option, &QAbstractButton::toggled, option, tabStop);
    }
    auto* enter = new EnterPresses(window);
    for (QPushButton* button : window->findChildren<QPushButton*>())
        button->installEventFilter(enter);
}

} // namespace accessibility
