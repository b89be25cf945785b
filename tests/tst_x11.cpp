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

// What a window manager sends when the user presses a window's close button.
void askToClose(const QString& window)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11->connection();
    const auto atom = [connection](const char* name) {
        xcb_intern_atom_reply_t* reply =
            xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, qstrlen(name), name), nullptr);
        const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(reply);
        return atom;
    };
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
        QTest::newRow("the first it speaks") << "fr:de";
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
