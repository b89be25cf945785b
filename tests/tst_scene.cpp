#include "Calls.h"

#include "sim/Plotter.h"
#include "sim/RunSettings.h"
#include "sim/SceneStage.h"
#include "window/form/Choices.h"

#include <QtTest>

#include <cmath>

namespace {

sim::RunSettings settings(double alphaDeg, double distanceH = 750, double refIndex = 1.33)
{
    sim::RunSettings s = window::caseNamed("35", "Voda", "750");
    s.refIndex = refIndex;
    s.alphaDeg = alphaDeg;
    s.distanceH = distanceH;
    s.slowdown = 1;
    return s;
}

surface::RecordingSurface scene(const sim::RunSettings& s, double* sinRay = nullptr)
{
    surface::RecordingSurface recording;
    sim::Plotter plot(recording);
    const double sine = sim::drawScene(s, plot);
    if (sinRay)
        *sinRay = sine;
    return recording;
}

} // namespace

// The first stage of a run: twips, the fills, the apparatus, the beam and its edge rays.
class SceneTest : public QObject {
    Q_OBJECT

private slots:
    void paintsInOrder()
    {
        const surface::RecordingSurface r = scene(settings(35));
        QCOMPARE(r.calls.front().op, Op::ScaleMode);
        QCOMPARE(r.calls.front().value, 1);
        // 9000 grey lines, 2500 green, 3 at width 2, 4 at width 1, 2 x 1001 beam lines, 2 white.
        QCOMPARE(r.count(Op::Line), std::size_t(9000 + 2500 + 3 + 4 + 2002 + 2));
        QCOMPARE(r.count(Op::Circle), std::size_t(0));
        const Call& firstGrey = r.calls[1];
        QCOMPARE(firstGrey.value, 6);
        QCOMPARE(firstGrey.colour, 0xC0C0C0u);
        QCOMPARE((QPointF(firstGrey.x1, firstGrey.y1)), QPointF(1, 2));
        QCOMPARE((QPointF(firstGrey.x2, firstGrey.y2)), QPointF(12000, 1));
        const Call& lastGrey = r.calls[9000];
        QCOMPARE((QPointF(lastGrey.x1, lastGrey.y1)), QPointF(1, 9001));
        const Call& firstGreen = r.calls[9001];
        QCOMPARE(firstGreen.colour, 0xC0FFC0u);
        QCOMPARE((QPointF(firstGreen.x1, firstGreen.y1)), QPointF(2650, 5001));
        QCOMPARE((QPointF(r.calls[11500].x2, r.calls[11500].y2)), QPointF(11500, 7500));
        QCOMPARE(r.calls.back().op, Op::Line);
        QCOMPARE(r.calls.back().colour, 0xFFFFFFu);
    }

    void apparatus_data()
    {
        QTest::addColumn<double>("distance");
        QTest::addColumn<double>("trackH");
        QTest::newRow("100") << 100.0 << 4900.0;
        QTest::newRow("750") << 750.0 << 4250.0;
        QTest::newRow("1500") << 1500.0 << 3500.0;
    }
    void apparatus()
    {
        QFETCH(double, distance);
        QFETCH(double, trackH);
        const surface::RecordingSurface r = scene(settings(35, distance));
        // Width 2: boundary, V's spiral line, S's spiral line; width 1: V's track, H's, S's, the normal.
        QCOMPARE(r.calls[11501].op, Op::DrawWidth);
        QCOMPARE(r.calls[11501].value, 2);
        QCOMPARE(r.calls[11505].op, Op::DrawWidth);
        QCOMPARE(r.calls[11505].value, 1);
        const QLineF expected[] = {{2650, 5000, 11500, 5000}, {9800, 500, 9800, 7500},
                                   {3000, 7000, 11500, 7000}, {},
                                   {7300, 500, 7300, 7500},   {3000, trackH, 11500, trackH},
                                   {3000, 6500, 11500, 6500}, {3100, 500, 3100, 7500}};
        for (int k = 0; k < 8; ++k) {
            if (k == 3)
                continue;
            const Call& c = r.calls[11502 + k];
            QCOMPARE(c.op, Op::Line);
            QCOMPARE(c.value, 4);
            QCOMPARE(QLineF(c.x1, c.y1, c.x2, c.y2), expected[k]);
        }
    }

    void beam_data()
    {
        QTest::addColumn<double>("alphaDeg");
        QTest::addColumn<QPointF>("ray0");
        QTest::addColumn<QPointF>("ray1000");
        QTest::addColumn<QPointF>("stroke");
        QTest::addColumn<QPointF>("edge0");
        QTest::addColumn<QPointF>("edge1000");
        QTest::newRow("35") << 35.0 << QPointF(2813.3, 5409.7) << QPointF(3484.6, 5879.4) << QPointF(3334.9, 5335.7)
                            << QPointF(3961.0, 6230.4) << QPointF(4961.0, 6230.4);
        // With 3.14 for pi, sin a is 0.865760, not sin 60 degrees = 0.866025.
        const double s60 = 0.865760, c60 = std::sqrt(1 - s60 * s60);
        const double edge = 3 * (s60 + 500);
        QTest::newRow("60") << 60.0 << QPointF(3100 - 500 * s60, 5000 + 500 * c60)
                            << QPointF(4100 - (1000 * s60 + 500) * s60, 5000 + (1000 * s60 + 500) * c60)
                            << QPointF(3100 + 500 * c60 * s60, 5000 + 500 * c60 * c60)
                            << QPointF(3100 + edge * s60, 5000 + edge * c60)
                            << QPointF(4100 + edge * s60, 5000 + edge * c60);
    }
    void beam()
    {
        QFETCH(double, alphaDeg);
        QFETCH(QPointF, ray0);
        QFETCH(QPointF, ray1000);
        QFETCH(QPointF, stroke);
        QFETCH(QPointF, edge0);
        QFETCH(QPointF, edge1000);
        const surface::RecordingSurface r = scene(settings(alphaDeg));
        const std::vector<Call> lines = linesOf(r);
        const std::size_t beam = 9000 + 2500 + 7;
        // Each pass draws the stroke, then the ray of that path.
        for (std::size_t pass = 0; pass <= 1000; pass += 250) {
            const Call& s = lines[beam + 2 * pass];
            QCOMPARE((QPointF(s.x1, s.y1)), QPointF(3100, 5000));
            COMPARE_NEAR(s.x2, stroke.x(), 0.1);
            COMPARE_NEAR(s.y2, stroke.y(), 0.1);
            QCOMPARE(lines[beam + 2 * pass + 1].x1, float(3100 + pass));
        }
        const Call& first = lines[beam + 1];
        COMPARE_NEAR(first.x2, ray0.x(), 0.1);
        COMPARE_NEAR(first.y2, ray0.y(), 0.1);
        const Call& last = lines[beam + 2001];
        QCOMPARE((QPointF(last.x1, last.y1)), QPointF(4100, 5000));
        COMPARE_NEAR(last.x2, ray1000.x(), 0.1);
        COMPARE_NEAR(last.y2, ray1000.y(), 0.1);

        // Two white edge rays at width 2, each 3 x (500 + sin a) long.
        QCOMPARE(r.calls[r.calls.size() - 3].op, Op::DrawWidth);
        QCOMPARE(r.calls[r.calls.size() - 3].value, 2);
        const Call& e0 = lines[lines.size() - 2];
        const Call& e1 = lines[lines.size() - 1];
        QCOMPARE(e0.value, 6);
        QCOMPARE((QPointF(e0.x1, e0.y1)), QPointF(3100, 5000));
        QCOMPARE((QPointF(e1.x1, e1.y1)), QPointF(4100, 5000));
        COMPARE_NEAR(e0.x2, edge0.x(), 0.1);
        COMPARE_NEAR(e0.y2, edge0.y(), 0.1);
        COMPARE_NEAR(e1.x2, edge1000.x(), 0.1);
        COMPARE_NEAR(e1.y2, edge1000.y(), 0.1);
    }

    void edgeRayIsSlightlyLongerThan1500()
    {
        const std::vector<Call> lines = linesOf(scene(settings(35)));
        const Call& edge = lines.back();
        COMPARE_NEAR(std::hypot(edge.x2 - edge.x1, edge.y2 - edge.y1), 1501.7, 0.05);
    }

    void sinRayBySnellsLaw()
    {
        double sinRay = 0;
        scene(settings(35, 750, 1.5), &sinRay);
        COMPARE_NEAR(sinRay, 0.859984, 1e-6);
        scene(settings(48.783, 750, 1.33), &sinRay);
        COMPARE_NEAR(sinRay, 1.000073, 1e-6);
    }
};

QTEST_GUILESS_MAIN(SceneTest)
#include "tst_scene.moc"
