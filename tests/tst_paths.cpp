#include "Calls.h"
#include "reference/ReferenceSweep.h"

#include "sim/PathKernel.h"
#include "sim/Run.h"
#include "surface/QtCanvas.h"
#include "surface/Raster.h"
#include "surface/TeeSurface.h"
#include "window/form/Choices.h"

#include <QtTest>

#include <array>
#include <cmath>
#include <vector>

namespace {

sim::RunSettings settings(const QString& substance, const QString& angle, const QString& distance)
{
    const bool water = substance == QLatin1String("Voda");
    sim::RunSettings s = window::caseNamed(angle.toStdString(), substance.toStdString(), distance.toStdString());
    s.refIndex = water ? 1.33 : 1.5;
    s.alphaDeg = angle == QLatin1String("Mezní") ? (water ? 48.783 : 41.839) : angle.toDouble();
    s.distanceH = distance.toDouble();
    s.slowdown = 1;
    return s;
}

// Within 0.01 twip, or within 1e-5 of the value where that is more.
bool close(float program, float reference)
{
    const double difference = std::abs(double(program) - double(reference));
    return difference <= 0.01 || difference <= 1e-5 * std::max(std::abs(program), std::abs(reference));
}

QString describe(const Call& call)
{
    return QStringLiteral("op %1 value %2 (%3, %4) (%5, %6) colour %7")
        .arg(int(call.op))
        .arg(call.value)
        .arg(double(call.x1), 0, 'g', 9)
        .arg(double(call.y1), 0, 'g', 9)
        .arg(double(call.x2), 0, 'g', 9)
        .arg(double(call.y2), 0, 'g', 9)
        .arg(call.colour, 6, 16, QLatin1Char('0'));
}

// The path lengths and phases of a fan, computed one path at a time with the C library.
struct ScalarFan {
    std::array<double, sim::paddedPaths> pathIn{};
    std::array<double, sim::paddedPaths> pathOut{};
    double length{};

    ScalarFan(double n, double sinAlpha, const sim::StraightPaths& paths, double arrowLength)
        : length(arrowLength)
    {
        for (int i = 0; i < sim::paddedPaths; ++i) {
            pathIn[i] = n * i * sinAlpha;
            const double dx = paths.xFirst + i;
            pathOut[i] = paths.factor * std::sqrt(dx * dx + paths.heightSquared);
        }
    }
    sim::PathFan fan() const { return {pathIn.data(), pathOut.data(), length}; }
    double phase(int i) const { return 3 * (pathIn[i] + pathOut[i]); }
};

// Every operation of a recorded run, drawn straight onto pixels the way the canvas draws them,
// with no call left out.
QImage everyCallDrawn(const surface::RecordingSurface& recording, qreal ratio)
{
    QImage image(QSize(763, 575) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(ratio);
    const surface::raster::Buffer buffer{reinterpret_cast<std::uint32_t*>(image.bits()), image.width(), image.height(),
                                         image.bytesPerLine() / 4};
    const double s = ratio / surface::twipsPerPixel;
    surface::raster::Pen pen(ratio);
    for (const Call& call : recording.calls) {
        if (call.op == Op::DrawWidth)
            pen = surface::raster::Pen(std::clamp(call.value, 1, 64) * ratio);
        const surface::Colour colour = call.op == Op::Line && call.value == surface::lineInColour ? call.colour : 0;
        const surface::Rgb rgb = surface::rgbOf(colour);
        const std::uint32_t pixel = qRgb(int(rgb.red), int(rgb.green), int(rgb.blue));
        if (call.op == Op::Line)
            surface::raster::line(buffer, call.x1 * s, call.y1 * s, call.x2 * s, call.y2 * s, pen, pixel);
        if (call.op == Op::Circle)
            surface::raster::circle(buffer, call.x1 * s, call.y1 * s, call.x2 * s, pen, pixel);
    }
    return image;
}

} // namespace

// The run's fast paths: its path sums on every instruction set the processor has, and the
// canvas's shortcuts, draw the picture that the straightforward way of writing them draws.
class PathsTest : public QObject {
    Q_OBJECT

private slots:
    void runDrawsWhatTheReferenceDraws_data()
    {
        QTest::addColumn<QString>("substance");
        QTest::addColumn<QString>("angle");
        QTest::addColumn<QString>("distance");
        for (const char* substance : {"Voda", "Sklo"}) {
            for (const char* angle : {"Mezní", "35", "60"}) {
                for (const char* distance : {"100", "750", "1500"})
                    QTest::addRow("%s %s %s", substance, angle, distance)
                        << QString::fromUtf8(substance) << QString::fromUtf8(angle) << QString::fromUtf8(distance);
            }
        }
    }
    void runDrawsWhatTheReferenceDraws()
    {
        QFETCH(QString, substance);
        QFETCH(QString, angle);
        QFETCH(QString, distance);
        const sim::RunSettings s = settings(substance, angle, distance);
        surface::RecordingSurface program;
        sim::run(s, program);
        surface::RecordingSurface reference;
        reference::run(s, reference);

        QCOMPARE(program.calls.size(), reference.calls.size());
        for (std::size_t k = 0; k < program.calls.size(); ++k) {
            const Call& p = program.calls[k];
            const Call& r = reference.calls[k];
            const bool same = p.op == r.op && p.value == r.value && p.colour == r.colour && close(p.x1, r.x1) &&
                              close(p.y1, r.y1) && close(p.x2, r.x2) && close(p.y2, r.y2);
            if (!same)
                QFAIL(
                    qPrintable(QStringLiteral("call %1: %2, the reference: %3").arg(k).arg(describe(p), describe(r))));
        }
    }

    // Large phases (up to some 60,000 radians) need the sine's argument reduced exactly; the
    // lengths are the same square roots; only the sums' order of additions may differ.
    void kernelsAgreeWithTheCLibrary_data()
    {
        QTest::addColumn<int>("kernel");
        QTest::addColumn<double>("n");
        QTest::addColumn<double>("xFirst");
        QTest::addColumn<double>("heightSquared");
        QTest::addColumn<double>("factor");
        const std::vector<sim::kernel::Kernel> kernels = sim::kernel::available();
        for (int k = 0; k < int(kernels.size()); ++k) {
            const char* name = kernels[k].name;
            QTest::addRow("%s: V in air", name) << k << 1.33 << -4200.0 << 4500.0 * 4500 << 1.0;
            QTest::addRow("%s: V in glass", name) << k << 1.5 << -4200.0 << 2490.0 * 2490 << 1.5;
            QTest::addRow("%s: S far along", name) << k << 1.5 << -4560.0 << 1500.0 * 1500 << 1.5;
            QTest::addRow("%s: H just above", name) << k << 1.33 << 100.0 << 100.0 * 100 << 1.0;
            QTest::addRow("%s: phases near 60000", name) << k << 5.0 << 12000.0 << 12000.0 * 12000 << 1.0;
        }
    }
    void kernelsAgreeWithTheCLibrary()
    {
        QFETCH(int, kernel);
        QFETCH(double, n);
        QFETCH(double, xFirst);
        QFETCH(double, heightSquared);
        QFETCH(double, factor);
        const sim::kernel::Kernel k = sim::kernel::available()[std::size_t(kernel)];
        const sim::StraightPaths paths{xFirst, heightSquared, factor};
        const ScalarFan scalar(n, std::sin(sim::toRadians(35)), paths, 3);

        std::array<double, sim::paddedPaths> lengths{};
        k.lengths(paths, sim::paddedPaths, lengths.data());
        for (int i = 0; i < sim::pathCount; ++i)
            QCOMPARE(lengths[i], scalar.pathOut[i]);

        std::array<double, sim::paddedPaths> x{};
        std::array<double, sim::paddedPaths> y{};
        k.arrows(scalar.fan(), x.data(), y.data());
        double sumX = 0;
        double sumY = 0;
        for (int i = 0; i < sim::pathCount; ++i) {
            const double phase = scalar.phase(i);
            QVERIFY(std::abs(x[i] - 3 * std::cos(phase)) <= 1e-14);
            QVERIFY(std::abs(y[i] - 3 * std::sin(phase)) <= 1e-14);
            sumX += 3 * std::cos(phase);
            sumY += 3 * std::sin(phase);
        }
        const sim::Vec sum = k.sum(scalar.fan());
        COMPARE_NEAR(sum.x, sumX, 1e-8);
        COMPARE_NEAR(sum.y, sumY, 1e-8);
    }

    // The canvas leaves out a line that would set the very pixels the line before it set; the
    // picture must be the one that drawing every call gives.
    void canvasDrawsWhatEveryCallDraws_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QString>("angle");
        QTest::newRow("standard screen, 35") << qreal(1) << "35";
        QTest::newRow("standard screen, critical") << qreal(1) << "Mezní";
        QTest::newRow("high-DPI screen, 60") << qreal(2) << "60";
        QTest::newRow("one and a half, 35") << qreal(1.5) << "35";
    }
    void canvasDrawsWhatEveryCallDraws()
    {
        QFETCH(qreal, ratio);
        QFETCH(QString, angle);
        const sim::RunSettings s = settings(QStringLiteral("Sklo"), angle, QStringLiteral("750"));
        surface::RecordingSurface recording;
        surface::QtCanvas canvas(QSize(763, 575), ratio);
        surface::TeeSurface both(canvas, recording);
        sim::run(s, both);
        QCOMPARE(canvas.image(), everyCallDrawn(recording, ratio));
    }

    // A line left out must really have nothing to add: whatever was drawn after the same line
    // the last time makes it count again.
    void canvasRedrawsALineOnceSomethingElseWasDrawn_data()
    {
        // 0: a white line; 1: a ring over it; 2: a black line across it; 3: pen 3; 4: pen 1;
        // 5: the white line's place in green.
        QTest::addColumn<QList<int>>("steps");
        QTest::newRow("the same line twice") << QList<int>{0, 0};
        QTest::newRow("after a ring") << QList<int>{0, 1, 0};
        QTest::newRow("after a crossing line") << QList<int>{0, 2, 0};
        QTest::newRow("after another colour") << QList<int>{0, 5, 0};
        QTest::newRow("after a wider pen") << QList<int>{0, 3, 0, 4, 0};
    }
    void canvasRedrawsALineOnceSomethingElseWasDrawn()
    {
        QFETCH(QList<int>, steps);
        surface::RecordingSurface recording;
        surface::QtCanvas canvas(QSize(763, 575), 1);
        surface::TeeSurface both(canvas, recording);
        for (const int step : steps) {
            if (step == 0)
                both.Line(surface::lineInColour, 1500, 1500, 1800, 1500, 0xFFFFFF);
            if (step == 1)
                both.Circle(1650, 1500, 60);
            if (step == 2)
                both.Line(surface::lineInForeground, 1650, 1400, 1650, 1600, 0);
            if (step == 3 || step == 4)
                both.setDrawWidth(step == 3 ? 3 : 1);
            if (step == 5)
                both.Line(surface::lineInColour, 1500, 1500, 1800, 1500, 0x00FF00);
        }
        QCOMPARE(canvas.image(), everyCallDrawn(recording, 1));
    }

    // Once every pixel is painted, the window may copy the picture instead of blending it
    // over what lies beneath; not a moment before.
    void canvasKnowsWhenThePictureCoversIt_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("steps");
        QTest::addColumn<bool>("lastPixelToo");
        QTest::addColumn<bool>("covered");
        QTest::newRow("nothing drawn yet") << qreal(1) << 0 << false << false;
        QTest::newRow("a whole run") << qreal(1) << 467 << false << true;
        QTest::newRow("a whole run, high-DPI screen") << qreal(2) << 467 << false << true;
        QTest::newRow("all but the last pixel") << qreal(1) << -1 << false << false;
        QTest::newRow("every pixel, one by one") << qreal(1) << -1 << true << true;
    }
    void canvasKnowsWhenThePictureCoversIt()
    {
        QFETCH(qreal, ratio);
        QFETCH(int, steps);
        QFETCH(bool, lastPixelToo);
        QFETCH(bool, covered);
        surface::QtCanvas canvas(QSize(763, 575), ratio);
        if (steps > 0) {
            sim::RunSettings s = settings(QStringLiteral("Voda"), QStringLiteral("35"), QStringLiteral("750"));
            s.steps = steps;
            sim::run(s, canvas);
        }
        if (steps < 0) {
            // Row by row, one twip tall each; the last row stops short of its last pixel.
            for (int y = 0; y < 575; ++y) {
                const bool last = y == 574;
                const float right = last && !lastPixelToo ? 762 * 15 - 1 : 763 * 15;
                canvas.Line(surface::lineInColour, 0, y * 15.0f + 7, right, y * 15.0f + 7, 0xC0C0C0);
            }
        }
        QCOMPARE(canvas.covered(), covered);
        QCOMPARE(canvas.covered(), covered); // and the same when asked again
    }
};

QTEST_GUILESS_MAIN(PathsTest)
#include "tst_paths.moc"
