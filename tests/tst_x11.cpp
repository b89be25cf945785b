#include "Calls.h"
#include "Probe.h"
#include "Runs.h"

#include "app/MainWindow.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

#include <xcb/xcb.h>

namespace {

// xdotool, run to its end: what it printed.
QString xdotool(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// A click at the middle of a control, given by its place in the window.
void click(const QString& window, const QRect& control)
{
    const QPoint at = control.center();
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window, QString::number(at.x()),
             QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")});
}

xcb_connection_t* connection()
{
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_atom_t atom(const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(connection(), xcb_intern_atom(connection(), 0, qstrlen(name), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return atom;
}

// A property of 32-bit items (windows, atoms) as the X server holds it.
QList<quint32> xProperty(xcb_window_t window, const char* name)
{
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection(), xcb_get_property(connection(), 0, window, atom(name), XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
        nullptr);
    QList<quint32> items;
    if (reply && reply->format == 32) {
        const auto* values = static_cast<const quint32*>(xcb_get_property_value(reply));
        items = QList<quint32>(values, values + xcb_get_property_value_length(reply) / 4);
    }
    free(reply);
    return items;
}

xcb_window_t root()
{
    return xcb_setup_roots_iterator(xcb_get_setup(connection())).data->root;
}

// A window's place on the screen and its size, as the X server has them, whatever frame a window
// manager put around it.
QRect onScreen(xcb_window_t window)
{
    xcb_get_geometry_reply_t* size =
        xcb_get_geometry_reply(connection(), xcb_get_geometry(connection(), window), nullptr);
    xcb_translate_coordinates_reply_t* place = xcb_translate_coordinates_reply(
        connection(), xcb_translate_coordinates(connection(), window, root(), 0, 0), nullptr);
    const QRect rect = size && place ? QRect(place->dst_x, place->dst_y, size->width, size->height) : QRect();
    free(size);
    free(place);
    return rect;
}

// Whether a window manager runs: its own window, named on the root, names itself.
bool windowManagerRuns()
{
    const QList<quint32> named = xProperty(root(), "_NET_SUPPORTING_WM_CHECK");
    return !named.isEmpty() && xProperty(named.first(), "_NET_SUPPORTING_WM_CHECK") == named;
}

// Whether a window manager has taken the windows it found and lists them, even none: one still
// starting may pass over a window that asks to be shown meanwhile.
bool windowManagerStarted()
{
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection(), xcb_get_property(connection(), 0, root(), atom("_NET_CLIENT_LIST"), XCB_ATOM_WINDOW, 0, 0),
        nullptr);
    const bool listed = reply && reply->type == XCB_ATOM_WINDOW;
    free(reply);
    return windowManagerRuns() && listed;
}

// What a window manager sends when the user presses a window's close button.
void askToClose(const QString& window)
{
    xcb_connection_t* connection = ::connection();
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window.toUInt();
    message.type = atom("WM_PROTOCOLS");
    message.data.data32[0] = atom("WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, message.window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
}

class AutoRepeats final : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->isAutoRepeat())
            ++count;
        return false;
    }
};

} // namespace

// On a real X server, with the input a user makes: clicks and keys during a run, Exit and the
// close button during a slow run, a key held down.
class X11Test : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server (run under xvfb-run with QT_QPA_PLATFORM=xcb)");
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QSKIP("needs xdotool");
    }

    // A click made during a run waits for the run's end, and is then handled at once, not only
    // when some later event happens to wake the program.
    void clickDuringARunIsHandledRightAfterIt()
    {
        ProbeSurface probe;
        QElapsedTimer clock;
        qint64 runEndedAt = -1;
        WindowObservers observers{&probe, {}};
        observers.runEnded = [&] { runEndedAt = clock.elapsed(); };
        MainWindow window(observers);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // A pace slow enough for the click to arrive while the run is going: about a second.
        window.findChild<QScrollBar*>(QStringLiteral("HScroll1"))->setValue(6000);
        auto* glass = window.findChild<QRadioButton*>(QStringLiteral("opSklo"));
        qint64 handledAt = -1;
        connect(glass, &QRadioButton::toggled, this, [&] { handledAt = clock.elapsed(); });
        const QPoint at = glass->mapToGlobal(QPoint(8, glass->height() / 2));
        probe.hooks[20000] = [&] {
            QProcess::startDetached(QStringLiteral("xdotool"),
                                    {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                                     QStringLiteral("click"), QStringLiteral("1")});
        };
        clock.start();
        start(window);
        QVERIFY(runEnded(window));
        QVERIFY2(runEndedAt > 300, "the run ended before the click could arrive");
        QTRY_VERIFY_WITH_TIMEOUT(handledAt >= 0, 3000);
        QVERIFY2(handledAt >= runEndedAt, "the click was handled during the run");
        QVERIFY2(handledAt - runEndedAt < 500,
                 qPrintable(QStringLiteral("handled %1 ms after the run").arg(handledAt - runEndedAt)));
        QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("nLátka"))->text(), QStringLiteral("Sklo"));
    }

    // The program as a user starts it: at the slowest pace a run takes about ten seconds, and
    // Exit or the close button during it ends the program at once.
    void closeDuringASlowRunEndsTheProgram_data()
    {
        QTest::addColumn<bool>("closeButton");
        QTest::newRow("Exit") << false;
        QTest::newRow("the window's close button") << true;
    }
    void closeDuringASlowRunEndsTheProgram()
    {
        QFETCH(bool, closeButton);
        // Where the controls stand, from a window that is never shown.
        const MainWindow design;
        const auto place = [&design](const char* name) {
            const auto* control = design.findChild<QWidget*>(QString::fromUtf8(name));
            return QRect(control->mapTo(&design, QPoint(0, 0)), control->size());
        };
        QProcess program;
        // What is measured is the program's own end, not a leak check's scan of its memory.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ASAN_OPTIONS"),
                           environment.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":detect_leaks=0"));
        // The window is found by its English title, whatever language the desktop asks for.
        environment.remove(QStringLiteral("LANGUAGE"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(PROGRAM), {});
        QVERIFY(program.waitForStarted());
        const QString window = xdotool({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--pid"),
                                        QString::number(program.processId()), QStringLiteral("--name"),
                                        QStringLiteral("Total reflection")})
                                   .section(QLatin1Char('\n'), 0, 0);
        QVERIFY(!window.isEmpty());
        click(window, place("HScroll1"));
        xdotool({QStringLiteral("key"), QStringLiteral("--window"), window, QStringLiteral("End")});
        click(window, place("cmdStart"));
        QVERIFY(!program.waitForFinished(500));

        // From before the request, so the time xdotool takes to click counts too.
        QElapsedTimer sinceRequest;
        sinceRequest.start();
        if (closeButton)
            askToClose(window);
        else
            click(window, place("cmdKonec"));
        QVERIFY(program.waitForFinished(5000));
        const qint64 elapsed = sinceRequest.elapsed();
        qInfo("the program ended %lld ms after the request", elapsed);
        QVERIFY2(elapsed < 1000, qPrintable(QString::number(elapsed)));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    }

    // The program as a user starts it speaks the first of the desktop's languages it knows,
    // LANGUAGE before the locale's: its window's title says which.
    void followsTheDesktopsLanguage_data()
    {
        QTest::addColumn<QString>("languages");
        QTest::newRow("German") << "de";
        QTest::newRow("the first it speaks") << "it:de";
    }
    void followsTheDesktopsLanguage()
    {
        QFETCH(QString, languages);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LANGUAGE"), languages);
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(PROGRAM), {});
        QVERIFY(program.waitForStarted());
        const auto windows = [&program](const char* title) {
            return xdotool({QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--pid"),
                            QString::number(program.processId()), QStringLiteral("--name"),
                            QString::fromLatin1(title)});
        };
        QTRY_VERIFY_WITH_TIMEOUT(!windows("Totalreflexion").isEmpty(), 10000);
        program.kill();
        program.waitForFinished();
    }

    // F11 takes the window to the whole screen and F11 again brings it back as it was, on a bare
    // X server and under a window manager, which marks the window's state itself.
    void f11TogglesTheWholeScreen_data()
    {
        QTest::addColumn<QString>("windowManager");
        QTest::newRow("a bare X server") << QString();
        QTest::newRow("openbox") << QStringLiteral("openbox");
    }
    void f11TogglesTheWholeScreen()
    {
        QFETCH(QString, windowManager);
        QProcess manager;
        if (!windowManager.isEmpty()) {
            if (QStandardPaths::findExecutable(windowManager).isEmpty())
                QSKIP("the window manager is not installed");
            if (windowManagerRuns())
                QSKIP("another window manager runs on this display");
            manager.start(windowManager, {});
            QVERIFY(manager.waitForStarted());
            QTRY_VERIFY(windowManagerStarted());
        }
        {
            MainWindow window;
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            // The keys are the active window's. A window manager may keep the focus from a window
            // that asks for it; the user's click, as a pager sends it, it follows.
            xdotool({windowManager.isEmpty() ? QStringLiteral("windowfocus") : QStringLiteral("windowactivate"),
                     QStringLiteral("--sync"), QString::number(window.winId())});
            QVERIFY(QTest::qWaitForWindowActive(&window));
            const auto id = xcb_window_t(window.winId());
            // Where the window stands once the server and the program agree on it.
            QTRY_COMPARE(onScreen(id), window.geometry());
            const QRect normal = onScreen(id);
            const QRect screen = window.screen()->geometry();
            // The state as the window manager marks it, where one runs.
            const auto whole = [&] {
                return window.isFullScreen() &&
                       (windowManager.isEmpty() ||
                        xProperty(id, "_NET_WM_STATE").contains(atom("_NET_WM_STATE_FULLSCREEN")));
            };
            for (int round = 0; round < 2; ++round) {
                QTest::keyClick(&window, Qt::Key_F11);
                QTRY_VERIFY(whole() && onScreen(id) == screen);
                QTest::keyClick(&window, Qt::Key_F11);
                QTRY_VERIFY(window.windowState() == Qt::WindowNoState && !whole() && onScreen(id) == normal);
            }
        }
        if (!windowManager.isEmpty()) {
            manager.terminate();
            QVERIFY(manager.waitForFinished());
        }
    }

    // Enter held down on Start for a second presses it once: the keyboard's repeats start no run.
    void heldEnterStartsOneRun()
    {
        ProbeSurface probe;
        MainWindow window({&probe, {}});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* start = window.findChild<QPushButton*>(QStringLiteral("cmdStart"));
        AutoRepeats repeats;
        start->installEventFilter(&repeats);
        const QString id = QString::number(window.winId());
        xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), id});
        QTRY_VERIFY(start->hasFocus() && window.isActiveWindow());
        xdotool({QStringLiteral("keydown"), QStringLiteral("Return")});
        QTest::qWait(1000);
        xdotool({QStringLiteral("keyup"), QStringLiteral("Return")});
        QTest::qWait(100);
        QVERIFY2(repeats.count > 5, qPrintable(QStringLiteral("%1 repeats").arg(repeats.count)));
        QCOMPARE(probe.recording.count(Op::ScaleMode), std::size_t(1));
    }
};

QTEST_MAIN(X11Test)
#include "tst_x11.moc"
