#include "app/frmKavrona.h"

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

        frmKavrona window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const QString& name : clicks)
            window.findChild<QAbstractButton*>(name)->click();
        QTest::qWait(200); // lets the last repaints reach the server
        const QImage onScreen =
            window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);

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

        QCOMPARE(onScreen.size(), picture.size());
        int differing = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                differing += onScreen.pixel(x, y) != picture.pixel(x, y) ? 1 : 0;
        QCOMPARE(differing, 0);
    }
};

QTEST_MAIN(LookTest)
#include "tst_look.moc"
