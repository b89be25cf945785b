#include "app/Accessibility.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

namespace accessibility {
namespace {

struct Name {
    const char* control;
    const char* name;
};

// Every control but the options, whose names come from their frames. Boxes that only caption
// the drawing are named by their text; the two "Cornu spirals" say whose spirals they caption,
// so that the two can be told apart by ear. Lines are named by what they mark.
const Name names[] = {
    {"nuUplnyOdraz", "Total reflection"},
    {"cmdStart", "Start"},
    {"cmdKonec", "Exit"},
    {"HScroll1", "Slowdown of the animation"},
    {"nTextIndex", "Refractive index"},
    {"nIndex", "Refractive index"},
    {"nAlfa", "Incident angle"},
    {"frmLátka", "Substance"},
    {"frmDopad", "Incident angle"},
    {"frmDistance", "Detector H distance"},
    {"frmAnimace", "Animace"},
    {"nAir", "Air"},
    {"nVoda", "Water"},
    {"nSklo", "Glass"},
    {"nDetektorV", "Detector V"},
    {"nDetektorH", "Detector H"},
    {"nDetektorS", "Detector S"},
    {"nPravd2podobnost", "Interference pattern"},
    {"nCornuovySpirály", "Cornu spirals of Detector V"},
    {"nCornuLatka", "Cornu spirals of Detector S"},
    {"labKlepnete", "Please press button Start"},
    {"canvas", "Drawing of the run"},
    {"Line1", "Track of Detector H"},
    {"Line2", "Track of Detector V"},
    {"Line3", "Track of Detector S"},
    {"Line4", "Boundary"},
    {"Line5", "Base line of Detector S's Cornu spirals"},
    {"Line6", "Start line of Detector V's Cornu spirals"},
    {"Line7", "Normal"},
    // The settings as the window keeps them; never shown.
    {"nLátka", "Substance setting"},
    {"nAlfaCaption", "Incident angle setting"},
    {"nDistance", "Detector H distance setting"},
    {"nSpomaleni", "Slowdown setting"},
};

// A command button is pressed by Space, as every button is, and by Enter too, which a button
// outside a dialog does not take by itself. A held key presses it once: the presses the
// keyboard repeats while the key is down are not presses of the button.
class EnterPresses final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        const int key = keyEvent->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        if (keyEvent->isAutoRepeat())
            return true;
        static_cast<QPushButton*>(watched)->click();
        return true;
    }
};

} // namespace

void prepare(QWidget* window)
{
    for (const Name& n : names) {
        if (QWidget* control = window->findChild<QWidget*>(QString::fromUtf8(n.control)))
            control->setAccessibleName(QString::fromUtf8(n.name));
    }
    for (QRadioButton* option : window->findChildren<QRadioButton*>()) {
        // An option is announced with its group, "Substance: Water", as a sighted user reads it.
        if (const auto* frame = qobject_cast<const QGroupBox*>(option->parentWidget()))
            option->setAccessibleName(frame->title() + QStringLiteral(": ") + option->text());
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
