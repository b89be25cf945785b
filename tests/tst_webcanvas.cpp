#include "Captions.h"

#include "Runs.h"
#include "app/Languages.h"
#include "app/MainWindow.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

// The browser page against the desktop window, from what its tests in headless Chromium read
// from the page: the drawing after each of the six runs of substance and angle, the same pixels
// every one; and in every language it speaks, the same captions.
class WebCanvasTest : public QObject {
    Q_OBJECT

private slots:
    // At the window's own size, and at fractional and whole resolutions, as the driver's --scale
    // draws it.
    void sameDrawingAsTheDesktop_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<qreal>("ratio");
        for (const auto& [substance, substanceClick] : {std::pair{"water", "opVoda"}, {"glass", "opSklo"}}) {
            for (const auto& [angle, angleClick] :
                 {std::pair{"35", "opMenší"}, {"critical", "opMezní"}, {"60", "opVětší"}})
                QTest::addRow("%s %s", substance, angle)
                    << QStringLiteral("%1-%2").arg(QLatin1String(substance), QLatin1String(angle))
                    << QStringList{QString::fromUtf8(substanceClick), QString::fromUtf8(angleClick),
                                   QStringLiteral("cmdStart")}
                    << qreal(1);
        }
        for (const qreal ratio : {1.25, 1.5, 2.0, 3.0})
            QTest::addRow("water 35 at %g", ratio)
                << QStringLiteral("water-35@%1").arg(ratio) << QStringList{QStringLiteral("cmdStart")} << ratio;
        QTest::newRow("start-up") << "startup" << QStringList{} << qreal(1);
    }
    void sameDrawingAsTheDesktop()
    {
        QFETCH(QString, picture);
        QFETCH(QStringList, clicks);
        QFETCH(qreal, ratio);
        const QString dir = qEnvironmentVariable("TR_CANVAS_DIR");
        if (dir.isEmpty())
            QSKIP("needs the page's pictures (TR_CANVAS_DIR)");
        QFile file(QDir(dir).filePath(picture + QStringLiteral(".rgba")));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QByteArray page = file.readAll();

        MainWindow window;
        for (const QString& name : clicks)
            window.act(window.form().click(name.toStdString()));
        QVERIFY(runEnded(window));
        const QImage desktop = window.canvas().redrawn(ratio).convertToFormat(QImage::Format_RGBA8888);
        QCOMPARE(page.size(), qsizetype(desktop.width()) * desktop.height() * 4);
        int differing = 0;
        for (int y = 0; y < desktop.height(); ++y) {
            const uchar* row = desktop.constScanLine(y);
            const char* pageRow = page.constData() + qsizetype(y) * desktop.width() * 4;
            for (int x = 0; x < desktop.width(); ++x)
                differing += std::memcmp(row + 4 * x, pageRow + 4 * x, 4) != 0 ? 1 : 0;
        }
        QCOMPARE(differing, 0);
    }

    void sameCaptionsAsTheDesktop_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& code : languages::available())
            if (code != QLatin1String(languages::english))
                QTest::newRow(qPrintable(code)) << code;
    }
    void sameCaptionsAsTheDesktop()
    {
        QFETCH(QString, language);
        const QString dir = qEnvironmentVariable("TR_CANVAS_DIR");
        if (dir.isEmpty())
            QSKIP("needs the page's captions (TR_CANVAS_DIR)");
        QFile file(QDir(dir).filePath(QStringLiteral("captions-%1.json").arg(language)));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QJsonObject page = QJsonDocument::fromJson(file.readAll()).object();

        languages::use(language);
        const MainWindow window;
        languages::use(QString::fromUtf8(languages::english));
        int compared = 0;
        for (auto caption = page.begin(); caption != page.end(); ++caption) {
            const QWidget* control = window.findChild<QWidget*>(caption.key());
            QVERIFY2(control, qPrintable(caption.key()));
            // The two cells the user sees hold numbers in the locale's form, not words.
            if (caption.key() == QLatin1String("nIndex") || caption.key() == QLatin1String("nAlfa"))
                continue;
            QCOMPARE(caption.value().toString(), captionOf(control));
            ++compared;
        }
        QVERIFY2(compared >= 20, qPrintable(QString::number(compared)));
    }
};

QTEST_MAIN(WebCanvasTest)
#include "tst_webcanvas.moc"
