#include "Calls.h"
#include "Probe.h"
#include "Runs.h"

#include "app/LineControl.h"
#include "app/Twips.h"
#include "app/MainWindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

namespace {

// The window on the offscreen screen, driven by real clicks and keys.
struct Window {
    ProbeSurface probe;
    MainWindow window{{&probe, {}}};

    Window() { window.show(); }

    template <class T = QWidget> T* find(const QString& name) const { return window.findChild<T*>(name); }
    QString cell(const QString& name) const { return find<QLineEdit>(name)->text(); }

    void click(const QString& name)
    {
        QWidget* target = find(name);
        QVERIFY2(target, qPrintable(name));
        // On an option, at its indicator; on a button, in its middle.
        const QPoint at =
            qobject_cast<QRadioButton*>(target) ? QPoint(8, target->height() / 2) : target->rect().center();
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
        QVERIFY(runEnded(window));
    }
    void clicks(const QStringList& names)
    {
        for (const QString& name : names)
            click(name);
    }
    void type(const QString& name, const QString& text)
    {
        QLineEdit* box = find<QLineEdit>(name);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
};

} // namespace

// The setting handlers as the user sets them off: clicks on options and Exit, keys on the bar.
class HandlersTest : public QObject {
    Q_OBJECT

private slots:
    void cellsAfterClicks_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("alfa");
        QTest::addColumn<QString>("index");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("substance");
        QTest::newRow("critical, water") << QStringList{"opMezní"} << "48.783"
                                         << "1.33"
                                         << "Mezní"
                                         << "Voda";
        QTest::newRow("critical follows the substance to glass") << QStringList{"opMezní", "opSklo"} << "41.839"
                                                                 << "1.5"
                                                                 << "Mezní"
                                                                 << "Sklo";
        QTest::newRow("and back to water") << QStringList{"opMezní", "opSklo", "opVoda"} << "48.783"
                                           << "1.33"
                                           << "Mezní"
                                           << "Voda";
        QTest::newRow("critical read after glass") << QStringList{"opSklo", "opMezní"} << "41.839"
                                                   << "1.5"
                                                   << "Mezní"
                                                   << "Sklo";
        QTest::newRow("35 stays with glass") << QStringList{"opSklo"} << "35"
                                             << "1.5"
                                             << "35"
                                             << "Sklo";
        QTest::newRow("60 stays with glass and water") << QStringList{"opVětší", "opSklo", "opVoda"} << "60"
                                                       << "1.33"
                                                       << "60"
                                                       << "Voda";
        QTest::newRow("35 after critical") << QStringList{"opMezní", "opMenší"} << "35"
                                           << "1.33"
                                           << "35"
                                           << "Voda";
    }
    void cellsAfterClicks()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, alfa);
        QFETCH(QString, index);
        QFETCH(QString, caption);
        QFETCH(QString, substance);
        Window w;
        w.clicks(clicks);
        QCOMPARE(w.cell("nAlfa"), alfa);
        QCOMPARE(w.cell("nIndex"), index);
        QCOMPARE(w.cell("nAlfaCaption"), caption);
        QCOMPARE(w.cell("nLátka"), substance);
        // Exactly one of the two labels on the drawing, the substance's.
        QCOMPARE(w.find("nVoda")->isHidden(), substance != QStringLiteral("Voda"));
        QCOMPARE(w.find("nSklo")->isHidden(), substance != QStringLiteral("Sklo"));
    }

    void distances_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("distance");
        QTest::addColumn<int>("lineY");
        QTest::addColumn<int>("labelTop");
        QTest::newRow("100, the label above the line") << "opMaláDistance"
                                                       << "100" << 4900 << 4600;
        QTest::newRow("750") << "opStředníDistance"
                             << "750" << 4280 << 4400;
        QTest::newRow("1500") << "opVelkáDistance"
                              << "1500" << 3530 << 3700;
    }
    void distances()
    {
        QFETCH(QString, option);
        QFETCH(QString, distance);
        QFETCH(int, lineY);
        QFETCH(int, labelTop);
        Window w;
        w.click(option == QStringLiteral("opStředníDistance") ? QStringLiteral("opVelkáDistance") : option);
        w.click(option);
        QCOMPARE(w.cell("nDistance"), distance);
        const LineControl* line1 = w.find<LineControl>("Line1");
        QCOMPARE(line1->from(), QPoint(2880, lineY));
        QCOMPARE(line1->to(), QPoint(11400, lineY));
        QVERIFY(!line1->isHidden());
        QCOMPARE(twips::geometry(w.find("nDetektorH")).topLeft(), QPoint(5800, labelTop));
    }

    // Only the 35-degree option draws: a short dash; the other two angle options draw nothing.
    void angleOptionsDraw_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("lines");
        QTest::newRow("35") << "opMenší" << 1;
        QTest::newRow("60") << "opVětší" << 0;
        QTest::newRow("critical") << "opMezní" << 0;
    }
    void angleOptionsDraw()
    {
        QFETCH(QString, option);
        QFETCH(int, lines);
        Window w;
        w.probe.recording.calls.clear();
        w.click(option);
        QCOMPARE(int(w.probe.recording.count(Op::Line)), lines);
    }

    void scrollBar_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<int>("presses");
        QTest::addColumn<QString>("slowdown");
        QTest::newRow("five steps right") << Qt::Key_Right << 5 << "501";
        QTest::newRow("back at 0 is fast again") << Qt::Key_Left << 1 << "1";
        QTest::newRow("the far end") << Qt::Key_End << 1 << "3276701";
    }
    void scrollBar()
    {
        QFETCH(Qt::Key, key);
        QFETCH(int, presses);
        QFETCH(QString, slowdown);
        Window w;
        auto* bar = w.find<QScrollBar>("HScroll1");
        if (key == Qt::Key_Left)
            bar->setValue(1);
        for (int i = 0; i < presses; ++i)
            QTest::keyClick(bar, key);
        QCOMPARE(w.cell("nSpomaleni"), slowdown);
    }

    void typedAngleStaysAndIsRun()
    {
        Window w;
        w.type("nAlfa", "20");
        w.clicks({"opSklo", "opVoda", "opVelkáDistance"});
        QCOMPARE(w.cell("nAlfa"), QStringLiteral("20"));
        w.probe.recording.calls.clear();
        w.click("cmdStart");
        // The beam's stroke runs 500 x cos a long towards the reflected light, a = 20 x 3.14 / 180.
        const std::vector<Call> lines = linesOf(w.probe.recording);
        const Call& stroke = lines[9000 + 2500 + 7];
        const double a = 20 * 3.14 / 180;
        COMPARE_NEAR(stroke.x2, 3100 + 500 * std::cos(a) * std::sin(a), 0.01);
        COMPARE_NEAR(stroke.y2, 5000 + 500 * std::cos(a) * std::cos(a), 0.01);
        w.click("opMenší");
        QCOMPARE(w.cell("nAlfa"), QStringLiteral("35"));
    }

    void exitEndsTheProgram()
    {
        Window w;
        QVERIFY(w.window.isVisible());
        w.click("cmdKonec");
        QVERIFY(!w.window.isVisible());
    }
};

QTEST_MAIN(HandlersTest)
#include "tst_handlers.moc"
