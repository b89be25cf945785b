#include "Calls.h"
#include "Probe.h"
#include "Runs.h"

#include "app/LineControl.h"
#include "app/MainWindow.h"
#include "app/Twips.h"
#include "window/rules/Menu.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>
#include <qpa/qwindowsysteminterface.h>

#include <algorithm>

namespace {

QString cell(const MainWindow& window, const char* name)
{
    return window.findChild<QLineEdit*>(QString::fromUtf8(name))->text();
}

template <class T = QWidget> T* child(const MainWindow& window, const char* name)
{
    return window.findChild<T*>(QString::fromUtf8(name));
}

// A click as the window system delivers it: queued, handled when input events are processed.
// The window shown, and the one the window system gives the keys to.
bool shownActive(MainWindow& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowExposed(&window) && QTest::qWaitForWindowActive(&window);
}

// A key pressed and released as the window system delivers it.
void pressAndRelease(MainWindow& window, Qt::Key key)
{
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
        QWindowSystemInterface::handleKeyEvent(window.windowHandle(), type, key, Qt::NoModifier);
}

void queueClick(MainWindow& window, QWidget* target, QPoint where)
{
    const QPointF at = target->mapTo(&window, where);
    const QPointF global = window.mapToGlobal(at);
    QWindowSystemInterface::handleMouseEvent(window.windowHandle(), at, global, Qt::LeftButton, Qt::LeftButton,
                                             QEvent::MouseButtonPress);
    QWindowSystemInterface::handleMouseEvent(window.windowHandle(), at, global, Qt::NoButton, Qt::LeftButton,
                                             QEvent::MouseButtonRelease);
}

// A tap of a finger on a touch screen, as the window system delivers it.
void queueTap(MainWindow& window, QWidget* target, QPoint where)
{
    static QPointingDevice* screen = QTest::createTouchDevice();
    QTest::touchEvent(window.windowHandle(), screen).press(0, target->mapTo(&window, where), window.windowHandle());
    QTest::touchEvent(window.windowHandle(), screen).release(0, target->mapTo(&window, where), window.windowHandle());
}

class PaintCounter : public QObject {
public:
    explicit PaintCounter(const MainWindow& window)
        : window_(window)
    {
    }
    int duringRun = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && window_.running())
            ++duringRun;
        return false;
    }

private:
    const MainWindow& window_;
};

} // namespace

// The window at start-up, its option semantics, and how it behaves while a run holds the thread.
class WindowTest : public QObject {
    Q_OBJECT

private slots:
    // Clicking an option runs its handler every time; selecting it from code, only once.
    void clickingAnOptionRunsItsHandlerEachTime()
    {
        ProbeSurface probe;
        MainWindow window({&probe, {}});
        window.show();
        auto* opMenší = child<QRadioButton>(window, "opMenší");
        QTest::mouseClick(opMenší, Qt::LeftButton, {}, QPoint(8, opMenší->height() / 2));
        QTest::mouseClick(opMenší, Qt::LeftButton, {}, QPoint(8, opMenší->height() / 2));
        QCOMPARE(probe.recording.count(Op::Line), std::size_t(3));
        QVERIFY(opMenší->isChecked());
    }

    void decimalCommaLocale()
    {
        ProbeSurface pointProbe;
        {
            MainWindow window({&pointProbe, {}});
            start(window);
            QVERIFY(runEnded(window));
        }
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        ProbeSurface commaProbe;
        {
            MainWindow window({&commaProbe, {}});
            QCOMPARE(cell(window, "nIndex"), QStringLiteral("1,33"));
            start(window);
            QVERIFY(runEnded(window));
        }
        QLocale::setDefault(QLocale::c());
        QCOMPARE(commaProbe.recording.calls.size(), pointProbe.recording.calls.size());
        for (std::size_t i = 0; i < commaProbe.recording.calls.size(); ++i) {
            const Call& a = pointProbe.recording.calls[i];
            const Call& b = commaProbe.recording.calls[i];
            QVERIFY2(a.op == b.op && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2,
                     qPrintable(QString::number(i)));
        }
    }

    // The picture grows on the screen while the run goes on, not only when it ends.
    void canvasReachesTheScreenDuringARun()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // A pace slow enough to take several frames, with pauses too short to be shown one by one.
        child<QScrollBar>(window, "HScroll1")->setValue(900);
        PaintCounter counter(window);
        child(window, "canvas")->installEventFilter(&counter);
        QTest::mouseClick(child<QPushButton>(window, "cmdStart"), Qt::LeftButton);
        // The first frame is drawn in the click's own turn: the background's first lines are
        // there before the event loop has come round once.
        QCOMPARE(window.canvas().view().pixel(2, 2), QColor(0xC0, 0xC0, 0xC0).rgb());
        QVERIFY(runEnded(window));
        QVERIFY2(counter.duringRun >= 3, qPrintable(QString::number(counter.duringRun)));
    }

    // Input made while a run draws waits until the run has drawn its last step, then is handled
    // as usual, and the picture stays: a click, a tap, a key, a paste, a click on the scroll bar's
    // arrow or its track, which moves it a page as it does outside a run.
    void inputDuringARunWaitsForItsEnd_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("watched");
        QTest::addColumn<QString>("after");
        QTest::newRow("click on an option") << "click opSklo"
                                            << "nLátka"
                                            << "Sklo";
        QTest::newRow("tap on an option") << "tap opSklo"
                                          << "nLátka"
                                          << "Sklo";
        QTest::newRow("click on the scroll bar's arrow") << "click HScroll1 arrow"
                                                         << "nSpomaleni"
                                                         << "101";
        QTest::newRow("click on the scroll bar's track") << "click HScroll1 track"
                                                         << "nSpomaleni"
                                                         << "327701";
        QTest::newRow("typing into the angle") << "type 5"
                                               << "nAlfa"
                                               << "355";
        QTest::newRow("pasting into the angle") << "paste 7"
                                                << "nAlfa"
                                                << "357";
    }
    void inputDuringARunWaitsForItsEnd()
    {
        QFETCH(QString, action);
        QFETCH(QString, watched);
        QFETCH(QString, after);
        ProbeSurface probe;
        MainWindow window({&probe, {}});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // A pace slow enough for the run to take many frames, between which the input arrives.
        window.form().type(window::name::nSpomaleni, "100001");
        child(window, "nAlfa")->setFocus();
        // What the cell holds when the run begins, as the window shows it during the run.
        const QString during = QString::fromStdString(window.form().state().text(watched.toStdString()));
        const QStringList words = action.split(QLatin1Char(' '));
        probe.hooks[5000] = [&] {
            if (words[0] == QLatin1String("type") || words[0] == QLatin1String("paste")) {
                const bool paste = words[0] == QLatin1String("paste");
                QGuiApplication::clipboard()->setText(words[1]);
                const Qt::Key key = paste ? Qt::Key_V : Qt::Key(words[1].at(0).unicode());
                const Qt::KeyboardModifiers modifiers = paste ? Qt::ControlModifier : Qt::NoModifier;
                const QString text = paste ? QString() : words[1];
                QWindowSystemInterface::handleKeyEvent(window.windowHandle(), QEvent::KeyPress, key, modifiers, text);
                QWindowSystemInterface::handleKeyEvent(window.windowHandle(), QEvent::KeyRelease, key, modifiers, text);
                return;
            }
            QWidget* target = child(window, words[1].toUtf8().constData());
            // An option at its indicator, the scroll bar at its right arrow or the middle of its
            // track.
            const QPoint at = words[1].startsWith(QLatin1String("op")) ? QPoint(8, target->height() / 2)
                              : words.value(2) == QLatin1String("arrow")
                                  ? QPoint(target->width() - 4, target->height() / 2)
                                  : target->rect().center();
            if (words[0] == QLatin1String("tap"))
                queueTap(window, target, at);
            else
                queueClick(window, target, at);
        };
        QString cellLaterInRun;
        bool runningLater = false;
        probe.hooks[40000] = [&] {
            cellLaterInRun = cell(window, watched.toUtf8().constData());
            runningLater = window.running();
        };
        start(window);
        QVERIFY(runEnded(window));
        const QImage picture = window.canvas().image();
        QVERIFY(runningLater);
        QCOMPARE(cellLaterInRun, during);
        QCOMPARE(probe.recording.count(Op::Circle), std::size_t(3 * 467));
        QTRY_COMPARE(cell(window, watched.toUtf8().constData()), after);
        QVERIFY(window.isVisible());
        QCOMPARE(window.canvas().image(), picture);
    }

    // The drawing's menu asked for during a run, by its key or by the right button, opens after the
    // run, and takes the keys that came after the asking, as with no run: Down to "Copy readings"
    // and Return copy the run's readings, and the option that had the focus is left as it was.
    void menuAskedDuringARunOpensAfterIt_data()
    {
        QTest::addColumn<bool>("rightClick");
        QTest::newRow("the menu key") << false;
        QTest::newRow("a right click on the drawing") << true;
    }
    void menuAskedDuringARunOpensAfterIt()
    {
        QFETCH(bool, rightClick);
        ProbeSurface probe;
        MainWindow window({&probe, {}});
        QVERIFY(shownActive(window));
        window.form().type(window::name::nSpomaleni, "100001");
        child(window, "opMenší")->setFocus(Qt::TabFocusReason);
        QGuiApplication::clipboard()->clear();
        const auto actions = window::menu(window::View::Desktop);
        const auto copiesReadings = [](const window::MenuAction& action) {
            return action.what == window::Handed::Readings && action.how == window::Way::Copy;
        };
        const auto before = std::ranges::find_if(actions, copiesReadings) - actions.begin();
        probe.hooks[5000] = [&] {
            const auto key = [&](Qt::Key k) { pressAndRelease(window, k); };
            if (rightClick) {
                const QPointF at(window.width() * 0.15, window.height() * 0.8);
                for (const auto& [buttons, type] : {std::pair(Qt::RightButton, QEvent::MouseButtonPress),
                                                    std::pair(Qt::NoButton, QEvent::MouseButtonRelease)})
                    QWindowSystemInterface::handleMouseEvent(window.windowHandle(), at, window.mapToGlobal(at), buttons,
                                                             Qt::RightButton, type);
            } else {
                key(Qt::Key_Menu);
            }
            for (auto step = 0; step < before; ++step)
                key(Qt::Key_Down);
            key(Qt::Key_Return);
        };
        start(window);
        QVERIFY(runEnded(window));
        QTRY_VERIFY(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("step\t")));
        QVERIFY(!window.running());
        QVERIFY(child<QRadioButton>(window, "opMenší")->isChecked());
    }

    // Exit, pressed by the mouse or reached by Tab and pressed by Enter, or the close button,
    // during a run stops it between two frames and closes the window; a press of Start made
    // after it never runs.
    void exitDuringARunEndsIt_data()
    {
        QTest::addColumn<QString>("request");
        QTest::newRow("click on Exit") << "cmdKonec";
        QTest::newRow("Tab to Exit, then Enter") << "keys";
        QTest::newRow("the window's close button") << "close";
    }
    void exitDuringARunEndsIt()
    {
        QFETCH(QString, request);
        ProbeSurface probe;
        MainWindow window({&probe, {}});
        QVERIFY(shownActive(window));
        // The slowest pace: each step's pause outlasts a frame.
        child<QScrollBar>(window, "HScroll1")->setValue(window::scrollMaximum);
        child(window, "cmdStart")->setFocus(Qt::TabFocusReason);
        probe.hooks[5000] = [&] {
            const auto key = [&](Qt::Key k) { pressAndRelease(window, k); };
            if (request == QLatin1String("close")) {
                QWindowSystemInterface::handleCloseEvent(window.windowHandle());
            } else if (request == QLatin1String("keys")) {
                // From Start, Exit is twelve stops on.
                for (int stop = 0; stop < 12; ++stop)
                    key(Qt::Key_Tab);
                key(Qt::Key_Return);
            } else {
                queueClick(window, child(window, "cmdKonec"), child(window, "cmdKonec")->rect().center());
            }
            queueClick(window, child(window, "cmdStart"), child(window, "cmdStart")->rect().center());
        };
        start(window);
        QTRY_VERIFY(!window.isVisible());
        // The request is seen between two frames, the next or the one after: each frame of the
        // slowest pace draws about one step.
        QVERIFY2(probe.recording.count(Op::Circle) <= 3 * 3,
                 qPrintable(QString::number(probe.recording.count(Op::Circle))));
        const std::size_t calls = probe.recording.calls.size();
        QTest::qWait(100);
        QCOMPARE(probe.recording.calls.size(), calls);
    }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
