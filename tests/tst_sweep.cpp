#include "Calls.h"

#include "reference/StartupSettings.h"
#include "sim/Pause.h"
#include "sim/Run.h"
#include "window/form/Choices.h"

#include <QElapsedTimer>
#include <QtTest>

#include <algorithm>
#include <cmath>

namespace {

// One step of the sweep as drawn: three markers, the spirals' arrows, three bars.
struct Step {
    float y{};
    std::vector<Call> markers;
    std::vector<Call> arrows;
    std::vector<Call> bars;
    double intensityV() const { return bars[0].x2 - bars[0].x1; }
    double intensityH() const { return bars[1].y1 - bars[1].y2; }
    double intensityS() const { return bars[2].y1 - bars[2].y2; }
};

std::vector<Step> stepsOf(const surface::RecordingSurface& r)
{
    std::vector<Step> steps;
    auto call = std::find_if(r.calls.begin(), r.calls.end(), [](const Call& c) { return c.op == Op::Circle; });
    while (call != r.calls.end()) {
        Step step;
        for (int k = 0; k < 3; ++k)
            step.markers.push_back(*call++);
        step.y = step.markers[0].y1;
        while (call->op == Op::Line)
            step.arrows.push_back(*call++);
        if (call->op != Op::DrawWidth || call->value != 1)
            return {};
        ++call;
        for (int k = 0; k < 3; ++k)
            step.bars.push_back(*call++);
        if (call->op != Op::DrawWidth || call->value != 1)
            return {};
        ++call;
        steps.push_back(step);
    }
    return steps;
}

std::vector<Step> sweep(const sim::RunSettings& s)
{
    surface::RecordingSurface recording;
    sim::run(s, recording);
    return stepsOf(recording);
}

template <class Intensity> const Step& brightest(const std::vector<Step>& steps, Intensity intensity)
{
    return *std::max_element(steps.begin(), steps.end(),
                             [&](const Step& a, const Step& b) { return intensity(a) < intensity(b); });
}

} // namespace

// The path-amplitude sweep: 467 steps of three detectors, their bars, spirals and markers.
class SweepTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { startupSteps = sweep(reference::startupSettings()); }

    // The interference patterns of the start-up settings: water, 35 degrees, distance 750.
    void workedValuesOfAWholeRun()
    {
        const std::vector<Step>& steps = startupSteps;
        QCOMPARE(steps.size(), std::size_t(467));
        const Step& v = brightest(steps, [](const Step& s) { return s.intensityV(); });
        QCOMPARE(v.y, 1565.0f);
        COMPARE_NEAR(v.intensityV(), 1694.7, 0.1);
        const Step& h = brightest(steps, [](const Step& s) { return s.intensityH(); });
        QCOMPARE(h.bars[1].x1, 4050.0f);
        COMPARE_NEAR(h.intensityH(), 1451.2, 0.1);
        const Step& s = brightest(steps, [](const Step& st) { return st.intensityS(); });
        QCOMPARE(s.bars[2].x1, 5090.0f);
        COMPARE_NEAR(s.intensityS(), 832.3, 0.1);
        COMPARE_NEAR(steps.front().intensityV(), 1.57, 0.005);
        COMPARE_NEAR(steps.front().intensityH(), 0.023, 0.0005);
        for (const Step& step : steps) {
            if (step.y > 5000)
                QVERIFY2(step.intensityV() < 0.2, qPrintable(QString::number(step.y)));
        }
        // Detector V exactly on the boundary is in the air: its paths take no index.
        COMPARE_NEAR(steps[300].intensityV(), 0.370, 0.001);
    }

    void stepsMarkersAndBars()
    {
        const std::vector<Step>& steps = startupSteps;
        for (std::size_t k = 0; k < steps.size(); ++k) {
            const Step& step = steps[k];
            const float y = float(500 + 15 * k);
            const float x = float(3000 + 10 * k);
            const float xMarker = float(2500 + 0.72 * y);
            QCOMPARE(step.y, y);
            QCOMPARE((QPointF(step.markers[0].x1, step.markers[0].y1)), QPointF(7300, y));
            QCOMPARE((QPointF(step.markers[1].x1, step.markers[1].y1)), QPointF(xMarker, 6500));
            QCOMPARE((QPointF(step.markers[2].x1, step.markers[2].y1)), QPointF(xMarker, 4250));
            QCOMPARE(step.markers[0].x2, 10.0f);
            // V's bar stands out to the right of its track, H's and S's rise from theirs.
            QCOMPARE((QPointF(step.bars[0].x1, step.bars[0].y1)), QPointF(7300, y));
            QCOMPARE(step.bars[0].y2, y);
            QCOMPARE((QPointF(step.bars[1].x1, step.bars[1].y1)), QPointF(x, 4250));
            QCOMPARE(step.bars[1].x2, x);
            QCOMPARE((QPointF(step.bars[2].x1, step.bars[2].y1)), QPointF(x, 6500));
            // Detector S's arrows have no length above ySweep 1000: its first 34 bars are empty.
            QCOMPARE(step.intensityS() == 0, k < 34);
        }
        QCOMPARE(steps.back().y, 7490.0f);
        QCOMPARE(steps.back().bars[1].x1, 7660.0f);
    }

    void cornuSpirals()
    {
        int spiralsV = 0;
        int spiralsS = 0;
        for (const Step& step : startupSteps) {
            const int y = int(step.y);
            const bool drawV = y % 100 == 0;
            const bool drawS = y % 250 == 0;
            QCOMPARE(step.arrows.size(), std::size_t(1001 * (drawV + drawS)));
            spiralsV += drawV;
            spiralsS += drawS;
            if (drawV) {
                // V's chain starts on its base line; when both are drawn, the arrows alternate.
                QCOMPARE((QPointF(step.arrows[0].x1, step.arrows[0].y1)), QPointF(9800, y));
                for (std::size_t i = 1; i < 1001; ++i) {
                    const Call& previous = step.arrows[(i - 1) * (1 + drawS)];
                    const Call& arrow = step.arrows[i * (1 + drawS)];
                    QVERIFY(arrow.x1 == previous.x2 && arrow.y1 == previous.y2);
                    QVERIFY(near(std::hypot(arrow.x2 - arrow.x1, arrow.y2 - arrow.y1), 3, 0.01));
                }
            }
            if (drawS) {
                const Call& first = step.arrows[drawV ? 1 : 0];
                QCOMPARE((QPointF(first.x1, first.y1)), QPointF(step.bars[2].x1, 7000));
                const double length = std::hypot(first.x2 - first.x1, first.y2 - first.y1);
                COMPARE_NEAR(length, y < 1000 ? 0.0 : 6.0, 1e-3);
            }
        }
        QCOMPARE(spiralsV, 24);
        QCOMPARE(spiralsS, 10);
    }

    void trackOfDetectorH_data()
    {
        QTest::addColumn<QString>("distance");
        QTest::addColumn<float>("track");
        QTest::newRow("100") << "100" << 4900.0f;
        QTest::newRow("750") << "750" << 4250.0f;
        QTest::newRow("1500") << "1500" << 3500.0f;
    }
    void trackOfDetectorH()
    {
        QFETCH(QString, distance);
        QFETCH(float, track);
        sim::RunSettings s = reference::startupSettings();
        s.track = window::caseNamed("35", "Voda", distance.toStdString()).track;
        s.distanceH = distance.toDouble();
        const std::vector<Step> steps = sweep(s);
        QCOMPARE(steps.size(), std::size_t(467));
        for (const Step& step : steps) {
            QCOMPARE(step.bars[1].y1, track);
            QCOMPARE(step.markers[2].y1, track);
        }
    }

    // Total reflection: Detector H's sum is formed, but its bars have no length.
    void nothingReachesDetectorHAt60Degrees()
    {
        sim::RunSettings s = reference::startupSettings();
        s.incidence = sim::Incidence::Beyond;
        s.alphaDeg = 60;
        const std::vector<Step> steps = sweep(s);
        QCOMPARE(steps.size(), std::size_t(467));
        for (const Step& step : steps)
            QCOMPARE(step.intensityH(), 0.0);
        QVERIFY(brightest(steps, [](const Step& st) { return st.intensityV(); }).intensityV() > 100);
    }

    // A case that sets nothing leaves every arrow and bar without length; the markers remain.
    void unsetParametersStillRunEveryStep()
    {
        sim::RunSettings s = reference::startupSettings();
        s.incidence = window::caseNamed("Critical", "Voda", "750").incidence;
        const std::vector<Step> steps = sweep(s);
        QCOMPARE(steps.size(), std::size_t(467));
        for (const Step& step : steps) {
            QCOMPARE(step.intensityV(), 0.0);
            QCOMPARE(step.intensityH(), 0.0);
            QCOMPARE(step.intensityS(), 0.0);
            QCOMPARE(step.markers.size(), std::size_t(3));
        }
    }

    // Every step pauses once, for the slowdown's count: a run's pauses add up to 467 of them.
    void eachStepPausesOnce_data()
    {
        QTest::addColumn<double>("slowdown");
        QTest::addColumn<double>("subtractions");
        QTest::newRow("fast pace") << 1.0 << 467.0;
        QTest::newRow("three") << 3.0 << 3 * 467.0;
        QTest::newRow("not whole") << 2.5 << 3 * 467.0;
        QTest::newRow("none") << 0.0 << 0.0;
    }
    void eachStepPausesOnce()
    {
        QFETCH(double, slowdown);
        QFETCH(double, subtractions);
        sim::RunSettings s = reference::startupSettings();
        s.slowdown = slowdown;
        surface::RecordingSurface recording;
        QCOMPARE(sim::run(s, recording), subtractions);
    }

    // A pause longer than a frame goes on in the next, the same pause to the subtraction: frames
    // of a millisecond take a run of pauses twice that long in about twice as many frames as steps.
    void pausesSpreadOverFrames()
    {
        // Every frame's deadline has passed before it begins: each frame then does the least it
        // can, and a pause of three clock readings' worth of counting takes three frames or more.
        sim::RunSettings s = reference::startupSettings();
        s.steps = 20;
        s.slowdown = 3 * 4096;
        surface::RecordingSurface recording;
        sim::Run run(s, recording);
        int frames = 1;
        while (run.advance(sim::Run::Clock::time_point::min()))
            ++frames;
        QCOMPARE(run.paused(), s.steps * s.slowdown);
        QVERIFY2(frames >= s.steps * 3, qPrintable(QString::number(frames)));
    }

    void countdown_data()
    {
        QTest::addColumn<double>("count");
        QTest::addColumn<double>("subtractions");
        QTest::newRow("fast pace") << 1.0 << 1.0;
        QTest::newRow("none") << 0.0 << 0.0;
        QTest::newRow("negative ends at once") << -5.0 << 0.0;
        QTest::newRow("not whole stops below 0") << 2.5 << 3.0;
        QTest::newRow("not a number") << double(NAN) << 0.0;
        QTest::newRow("slower pace") << 500000.0 << 500000.0;
    }
    void countdown()
    {
        QFETCH(double, count);
        QFETCH(double, subtractions);
        QCOMPARE(sim::countdown(count), subtractions);
    }

private:
    std::vector<Step> startupSteps;
};

QTEST_GUILESS_MAIN(SweepTest)
#include "tst_sweep.moc"
