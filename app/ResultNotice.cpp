#include "app/ResultNotice.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace resultNotice {
namespace {

constexpr QLatin1String noticeName("resultNotice");

// The notice's words, which a screen reader reads out of the notification that holds them.
class UnseenLabel final : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override {}
};

QAccessibleInterface* notification(const QString&, QObject* object)
{
    auto* notice = qobject_cast<QWidget*>(object);
    if (!notice || notice->objectName() != noticeName)
        return nullptr;
    return new QAccessibleWidget(notice, QAccessible::Notification);
}

} // namespace

void prepare()
{
    // Once, however many windows are made.
    QAccessible::removeFactory(notification);
    QAccessible::installFactory(notification);
}

void show(QWidget* window, const QString& words)
{
    // A new one rather than the old one hidden and shown again: a notification that hides is
    // announced too, with nothing to say.
    delete window->findChild<QWidget*>(noticeName, Qt::FindDirectChildrenOnly);
    auto* notice = new QWidget(window);
    notice->setObjectName(noticeName);
    notice->setAccessibleName(words);
    auto* label = new UnseenLabel(words, notice);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    for (QWidget* w : {notice, static_cast<QWidget*>(label)}) {
        w->setAttribute(Qt::WA_TransparentForMouseEvents);
        w->setGeometry(QRect(QPoint(0, 0), window->size()));
    }
    notice->lower();
    notice->show();
}

} // namespace resultNotice
