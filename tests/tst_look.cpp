#include "Runs.h"

#include "app/MainWindow.h"
#include "window/rules/Geometry.h"

#include <QAbstractButton>
#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QtTest>

// On a real X server the window looks exactly like the driver's offscreen pictures, which the
// README shows: the same fonts, metrics and drawing, pixel for pixel.
class LookTest : public QObject {
    Q_OBJECT

private slots:
    void windowMatchesTheDriversPicture_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::newRow("at start") << QStringList{};
        QTest::newRow("water, 35 degrees, after a run") << QStringList{"cmdStart"};
        QTest::newRow("glass, critical angle, after a run") << QStringList{"opSklo", "opMezní", "cmdStart"};
    }
    void windowMatchesTheDriversPicture()
    {
        QFETCH(QStringList, clicks);
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server (run under xvfb-run with QT_QPA_PLATFORM=xcb)");

        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const QString& name : clicks)
            window.findChild<QAbstractButton*>(name)->click();
        QVERIFY(runEnded(window));

        const QString file = QDir::temp().filePath(QStringLiteral("tst_look.png"));
        QStringList arguments;
        for (const QString& name : clicks)
            arguments << QStringLiteral("click") << name;
        arguments << QStringLiteral("--png") << file;
        QProcess driver;
        driver.start(QStringLiteral(DRIVER), arguments);
        QVERIFY(driver.waitForFinished(60000));
        QCOMPARE(driver.exitCode(), 0);
        const QImage picture = QImage(file).convertToFormat(QImage::Format_RGB32);
        QFile::remove(file);

        // The window as the server shows it, once its last repaints have reached it.
        const auto differing = [&] {
            const QImage onScreen =
                window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
            if (onScreen.size() != picture.size())
                return -1;
            int count = 0;
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x)
                    count += onScreen.pixel(x, y) != picture.pixel(x, y) ? 1 : 0;
            return count;
        };
        QTRY_COMPARE_WITH_TIMEOUT(differing(), 0, 20000);
    }

    // On the whole screen (F11) and zoomed (Ctrl+Plus) the window grows, and the finished picture
    // is drawn afresh at the new resolution, never enlarged: the same pixels as a run drawn there.
    void fillsTheScreenAndZooms_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<double>("zoom");
        QTest::newRow("F11, the whole screen") << int(Qt::Key_F11) << int(Qt::NoModifier) << 0.0;
        QTest::newRow("Ctrl+Plus, the next size up") << int(Qt::Key_Plus) << int(Qt::ControlModifier) << 1.1;
    }
    void fillsTheScreenAndZooms()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(double, zoom);
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server (run under xvfb-run with QT_QPA_PLATFORM=xcb)");

        MainWindow window;
        window.show();
        // The window's keys are the active window's.
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        start(window);
        QVERIFY(runEnded(window));
        const QSize size = zoom > 0 ? (QSizeF(window.size()) * zoom).toSize() : window.screen()->size();
        QTest::keyClick(&window, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTRY_COMPARE(window.size(), size);
        QTRY_VERIFY(!window.canvas().redrawing());
        const qreal ratio = window::fitted(size.width(), size.height(), 1).scale * window.devicePixelRatioF();
        const QImage refitted = window.canvas().image();
        QCOMPARE(refitted.size(), QSize(qRound(763 * ratio), qRound(575 * ratio)));
        start(window);
        QVERIFY(runEnded(window));
        QVERIFY(window.canvas().image() == refitted);
    }
};

QTEST_MAIN(LookTest)
#include "tst_look.moc"
