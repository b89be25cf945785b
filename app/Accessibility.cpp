#include "app/Accessibility.h"

#include "app/Cells.h"
#include "app/Languages.h"
#include "app/MenuKey.h"
#include "app/ResultNotice.h"
#include "window/Design.h"
#include "window/Glossary.h"
#include "window/Readings.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

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

// The pace the scroll bar is at, in words.
QString paceWords(const QScrollBar* bar)
{
    return QString::fromStdString(window::paceText(bar->value(), cells::LocaleNumbers(), languages::translate));
}

// The pace's scroll bar as a screen reader announces it: its value in words, from the fastest to
// the slowest, rather than a bare number from 0 to 32767.
class PaceScrollBar final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit PaceScrollBar(QScrollBar* bar)
        : QAccessibleWidget(bar, QAccessible::ScrollBar)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text text) const override
    {
        if (text != QAccessible::Value)
            return QAccessibleWidget::text(text);
        return paceWords(bar());
    }
    QVariant currentValue() const override { return bar()->value(); }
    void setCurrentValue(const QVariant& value) override { bar()->setValue(value.toInt()); }
    QVariant maximumValue() const override { return bar()->maximum(); }
    QVariant minimumValue() const override { return bar()->minimum(); }
    QVariant minimumStepSize() const override { return bar()->singleStep(); }

private:
    QScrollBar* bar() const { return static_cast<QScrollBar*>(widget()); }
};

QAccessibleInterface* paceScrollBar(const QString&, QObject* object)
{
    auto* bar = qobject_cast<QScrollBar*>(object);
    if (!bar || bar->objectName() != QLatin1String(window::name::HScroll1))
        return nullptr;
    return new PaceScrollBar(bar);
}

// The value's words above do not reach a screen reader on Linux: Qt hands AT-SPI only the number.
// The bar's description says them too, and tells each change.
void describePace(QScrollBar* bar)
{
    const auto describe = [bar] { bar->setAccessibleDescription(paceWords(bar)); };
    describe();
    QObject::connect(bar, &QScrollBar::valueChanged, bar, describe);
}

} // namespace

void describeDrawing(QWidget* window, const QString& description)
{
    QWidget* drawing = window->findChild<QWidget*>(QStringLiteral("canvas"));
    drawing->setAccessibleDescription(description);
    // Screen readers read it again when told it has changed.
    QAccessibleEvent changed(drawing, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    // And says it at once, wherever the focus is.
    resultNotice::show(window, description);
}

void prepare(QWidget* window)
{
    // Once, however many windows are made.
    QAccessible::removeFactory(paceScrollBar);
    QAccessible::installFactory(paceScrollBar);
    resultNotice::prepare();
    describePace(window->findChild<QScrollBar*>(QString::fromUtf8(window::name::HScroll1)));
    menuKey::prepare(window);
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
