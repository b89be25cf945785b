#include "Calls.h"

#include "sim/Cases.h"
#include "sim/Plotter.h"
#include "sim/Run.h"
#include "sim/Scene.h"
#include "window/form/Choices.h"

#include <QtTest>

#include <cmath>

namespace {

struct Drawn {
    sim::CaseParameters parameters;
    surface::RecordingSurface recording;
};

Drawn drawCase(const QString& caption, const QString& substance, const QString& distance, double index, double alpha)
{
    sim::RunSettings s = window::caseNamed(caption.toStdString(), substance.toStdString(), distance.toStdString());
    s.refIndex = index;
    s.alphaDeg = alpha;
    Drawn drawn;
    sim::Plotter plot(drawn.recording);
    const double sinRay = std::sin(sim::toRadians(alpha)) * index;
    drawn.parameters = sim::drawCase(s, sinRay, plot);
    return drawn;
}

// The angle and index the handlers store for a choice.
double angleOf(const QString& caption, const QString& substance)
{
    if (caption == QStringLiteral("Mezní"))
        return substance == QLatin1String("Sklo") ? 41.839 : 48.783;
    return caption == QLatin1String("60") ? 60 : 35;
}

double indexOf(const QString& substance)
{
    return substance == QLatin1String("Sklo") ? 1.5 : 1.33;
}

} // namespace

// The incidence cases: which white lines leave the lit stretch, and the detectors' parameters.
class CasesTest : public QObject {
    Q_OBJECT

private slots:
    void decisionTable_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("substance");
        QTest::addColumn<QString>("distance");
        QTest::addColumn<double>("arrowLen");
        QTest::addColumn<double>("arrowLenS");
        QTest::addColumn<double>("scaleV");
        QTest::addColumn<double>("scaleH");
        QTest::addColumn<double>("scaleS");
        QTest::addColumn<int>("whiteLines");
        const QString mezní = QStringLiteral("Mezní");
        // Unset parameters keep their value on entry: zero, and 0.001 for scaleV.
        QTest::newRow("critical, water, 1500") << mezní << "Voda"
                                               << "1500" << 1. << 5. << 0.0015 << 0.01 << 0.0025 << 2;
        QTest::newRow("critical, water, 750") << mezní << "Voda"
                                              << "750" << 1. << 5. << 0.0015 << 0.02 << 0.0025 << 2;
        QTest::newRow("critical, water, 100") << mezní << "Voda"
                                              << "100" << 1. << 5. << 0.0015 << 0.0001 << 0.0025 << 2;
        QTest::newRow("critical, water, distance with decimals") << mezní << "Voda"
                                                                 << "750.0" << 1. << 0. << 0.001 << 0. << 0. << 2;
        QTest::newRow("critical, glass, 1500") << mezní << "Sklo"
                                               << "1500" << 1. << 5. << 0.0015 << 0.01 << 0.004 << 2;
        QTest::newRow("critical, glass, 750") << mezní << "Sklo"
                                              << "750" << 1. << 5. << 0.0015 << 0.02 << 0.004 << 2;
        QTest::newRow("critical, glass, 100") << mezní << "Sklo"
                                              << "100" << 1. << 5. << 0.0015 << 0.0001 << 0.004 << 2;
        QTest::newRow("critical, glass, distance with a blank") << mezní << "Sklo"
                                                                << " 100" << 1. << 0. << 0.001 << 0. << 0. << 2;
        QTest::newRow("critical, substance in other letter case") << mezní << "voda"
                                                                  << "750" << 1. << 0. << 0.001 << 0. << 0. << 1;
        QTest::newRow("35, water, 1500") << "35"
                                         << "Voda"
                                         << "1500" << 3. << 6. << 0.005 << 0.01 << 0.004 << 2;
        QTest::newRow("35, water, 750") << "35"
                                        << "Voda"
                                        << "750" << 3. << 6. << 0.005 << 0.02 << 0.004 << 2;
        QTest::newRow("35, water, 100") << "35"
                                        << "Voda"
                                        << "100" << 3. << 6. << 0.005 << 0.12 << 0.004 << 2;
        QTest::newRow("35, water, distance with a trailing blank") << "35"
                                                                   << "Voda"
                                                                   << "1500 " << 3. << 0. << 0.001 << 0. << 0. << 2;
        QTest::newRow("35, glass, 1500") << "35"
                                         << "Sklo"
                                         << "1500" << 3. << 6. << 0.003 << 0.005 << 0.004 << 2;
        QTest::newRow("35, glass, 750") << "35"
                                        << "Sklo"
                                        << "750" << 3. << 6. << 0.003 << 0.01 << 0.004 << 2;
        QTest::newRow("35, glass, 100") << "35"
                                        << "Sklo"
                                        << "100" << 3. << 6. << 0.003 << 0.05 << 0.004 << 2;
        QTest::newRow("35, glass, unknown distance") << "35"
                                                     << "Sklo"
                                                     << "" << 3. << 0. << 0.001 << 0. << 0. << 2;
        QTest::newRow("35, substance in capitals") << "35"
                                                   << "SKLO"
                                                   << "750" << 3. << 0. << 0.001 << 0. << 0. << 0;
        QTest::newRow("60, whatever the rest") << "60"
                                               << "xyz"
                                               << "12" << 2. << 3. << 0.013 << 0. << 0.005 << 0;
        QTest::newRow("no angle choice matches") << "mezní"
                                                 << "Voda"
                                                 << "750" << 0. << 0. << 0.001 << 0. << 0. << 0;
    }
    void decisionTable()
    {
        QFETCH(QString, caption);
        QFETCH(QString, substance);
        QFETCH(QString, distance);
        QFETCH(double, arrowLen);
        QFETCH(double, arrowLenS);
        QFETCH(double, scaleV);
        QFETCH(double, scaleH);
        QFETCH(double, scaleS);
        QFETCH(int, whiteLines);
        const Drawn d = drawCase(caption, substance, distance, indexOf(substance), angleOf(caption, substance));
        QCOMPARE(d.parameters.arrowLen, arrowLen);
        QCOMPARE(d.parameters.arrowLenS, arrowLenS);
        QCOMPARE(d.parameters.scaleV, scaleV);
        QCOMPARE(d.parameters.scaleH, scaleH);
        QCOMPARE(d.parameters.scaleS, scaleS);
        const std::vector<Call> lines = linesOf(d.recording);
        QCOMPARE(int(lines.size()), whiteLines);
        for (const Call& line : lines) {
            QCOMPARE(line.value, 6);
            QCOMPARE(line.colour, 0xFFFFFFu);
        }
        // Whatever the case, the sweep begins with pen width 1.
        QCOMPARE(d.recording.calls.back().op, Op::DrawWidth);
        QCOMPARE(d.recording.calls.back().value, 1);
    }

    void whiteLineEnds_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("substance");
        QTest::addColumn<QPointF>("first");
        QTest::addColumn<QPointF>("second");
        QTest::newRow("critical, water") << "Mezní"
                                         << "Voda" << QPointF(7300.2, 5000) << QPointF(4227.9, 5988.9);
        QTest::newRow("critical, glass") << "Mezní"
                                         << "Sklo" << QPointF(7300.5, 5000) << QPointF(4100.1, 6117.9);
        QTest::newRow("35, water") << "35"
                                   << "Voda" << QPointF(7293.9, 1441.7) << QPointF(7302.6, 2282.7);
        QTest::newRow("35, glass") << "35"
                                   << "Sklo" << QPointF(7270.9, 2524.9) << QPointF(7281.9, 3111.8);
    }
    void whiteLineEnds()
    {
        QFETCH(QString, caption);
        QFETCH(QString, substance);
        QFETCH(QPointF, first);
        QFETCH(QPointF, second);
        const Drawn d = drawCase(caption, substance, "750", indexOf(substance), angleOf(caption, substance));
        const std::vector<Call> lines = linesOf(d.recording);
        QCOMPARE(lines.size(), std::size_t(2));
        QCOMPARE((QPointF(lines[0].x1, lines[0].y1)), QPointF(3100, 5000));
        COMPARE_NEAR(lines[0].x2, first.x(), 0.1);
        COMPARE_NEAR(lines[0].y2, first.y(), 0.1);
        COMPARE_NEAR(lines[1].x2, second.x(), 0.1);
        COMPARE_NEAR(lines[1].y2, second.y(), 0.1);
        // The refracted rays start at the two edges of the lit stretch; the critical case's
        // grazing line and reflected ray both start at the first lit point.
        const float secondStart = caption == QLatin1String("35") ? 4100 : 3100;
        QCOMPARE(lines[1].x1, secondStart);
    }

    // Every white line of a run, the reflected edges and the case's rays, is two pixels wide.
    void whiteLinesAreTwoPixelsWide_data() { whiteLineEnds_data(); }
    void whiteLinesAreTwoPixelsWide()
    {
        QFETCH(QString, caption);
        QFETCH(QString, substance);
        sim::RunSettings s = window::caseNamed(caption.toStdString(), substance.toStdString(), "750");
        s.refIndex = indexOf(substance);
        s.alphaDeg = angleOf(caption, substance);
        s.steps = 1;
        surface::RecordingSurface recording;
        sim::run(s, recording);
        int width = 0;
        int whiteLines = 0;
        for (const Call& call : recording.calls) {
            if (call.op == Op::DrawWidth)
                width = call.value;
            if (call.op == Op::Line && call.value == surface::lineInColour && call.colour == 0xFFFFFF) {
                ++whiteLines;
                QCOMPARE(width, 2);
            }
        }
        QCOMPARE(whiteLines, 4);
    }

    // An angle typed beyond the critical one while "35" is chosen: no light is refracted.
    void noRefractedRayBeyondTheCriticalAngle_data()
    {
        QTest::addColumn<double>("index");
        QTest::addColumn<double>("alpha");
        QTest::addColumn<int>("whiteLines");
        QTest::newRow("water at 60 degrees") << 1.33 << 60.0 << 0;
        QTest::newRow("glass at 42 degrees") << 1.5 << 42.0 << 0;
        QTest::newRow("water just below critical") << 1.33 << 48.7 << 2;
    }
    void noRefractedRayBeyondTheCriticalAngle()
    {
        QFETCH(double, index);
        QFETCH(double, alpha);
        QFETCH(int, whiteLines);
        const Drawn d = drawCase("35", "Voda", "750", index, alpha);
        QCOMPARE(int(linesOf(d.recording).size()), whiteLines);
        QCOMPARE(d.parameters.arrowLen, 3.0);
        QCOMPARE(d.parameters.scaleH, 0.02);
    }
};

QTEST_GUILESS_MAIN(CasesTest)
#include "tst_cases.moc"
