#include "Probe.h"

#include "frmKavrona.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

// On a real X server: a click made during a run waits for the run's end, and is then handled
// at once, not only when some later event happens to wake the program.
class X11Test : public QObject {
    Q_OBJECT

private slots:
    void clickDuringARunIsHandledRightAfterIt()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server (run under xvfb-run with QT_QPA_PLATFORM=xcb)");
        const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
        if (xdotool.isEmpty())
            QSKIP("needs xdotool");

        ProbeSurface probe;
        frmKavrona window({&probe, {}});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // A pace slow enough for the click to arrive while the run is going: about a second.
        window.findChild<QScrollBar*>(QStringLiteral("HScroll1"))->setValue(6000);
        auto* glass = window.findChild<QRadioButton*>(QStringLiteral("opSklo"));
        const QPoint at = glass->mapToGlobal(QPoint(8, glass->height() / 2));
        probe.hooks[20000] = [&] {
            QProcess::startDetached(xdotool, {QStringLiteral("mousemove"), QString::number(at.x()),
                                              QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")});
        };
        QElapsedTimer run;
        run.start();
        window.cmdStart_Click();
        QVERIFY2(run.elapsed() > 300, "the run ended before the click could arrive");
        QVERIFY(!glass->isChecked());

        QElapsedTimer afterRun;
        afterRun.start();
        qint64 handledAfter = -1;
        QEventLoop loop;
        connect(glass, &QRadioButton::toggled, &loop, [&] {
            handledAfter = afterRun.elapsed();
            loop.quit();
        });
        QTimer::singleShot(3000, &loop, &QEventLoop::quit);
        loop.exec();
        QVERIFY2(handledAfter >= 0, "the click was never handled");
        QVERIFY2(handledAfter < 500, qPrintable(QStringLiteral("handled %1 ms after the run").arg(handledAfter)));
        QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("nLátka"))->text(), QStringLiteral("Sklo"));
    }
};

QTEST_MAIN(X11Test)
#include "tst_x11.moc"
