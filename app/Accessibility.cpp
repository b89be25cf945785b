#include "app/Accessibility.h"

#include "app/Languages.h"
#include "app/ResultNotice.h"
#include "window/form/Design.h"
#include "window/form/Glossary.h"
#include "window/handout/Statement.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QScrollBar>

namespace accessibility {
namespace {

// The pace the scroll bar is at, in words.
QString paceWords(const QScrollBar* bar)
{
    return QString::fromStdString(window::paceText(bar->value(), languages::localNumbers(), languages::translate));
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
    // Every control and line is announced by its design's name in the window's language; an
    // option with its group, "Substance: Water", as a sighted user reads it.
    for (const window::Control& c : window::controls())
        window->findChild<QWidget*>(QString::fromUtf8(c.name))
            ->setAccessibleName(QString::fromStdString(window::accessibleName(c, languages::translate)));
    for (const window::Line& l : window::lines())
        window->findChild<QWidget*>(QString::fromUtf8(l.name))->setAccessibleName(languages::design(l.accessibleName));
    window->findChild<QWidget*>(QStringLiteral("canvas"))->setAccessibleName(languages::design(window::drawingName));
}

} // namespace accessibility
