#include "reference/StartupSettings.h"
#include "sim/Run.h"
#include "surface/QtCanvas.h"
#include "surface/Raster.h"
#include "window/form/Choices.h"

#include <QElapsedTimer>
#include <QtTest>

#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr std::uint32_t ink = 0xFF000000u;

struct Pixels {
    explicit Pixels(int w, int h)
        : data(std::size_t(w) * h, 0)
        , buffer{data.data(), w, h, w}
    {
    }
    std::uint32_t at(int x, int y) const { return data[std::size_t(y) * buffer.width + x]; }
    int inked() const { return int(std::count(data.begin(), data.end(), ink)); }
    std::vector<std::uint32_t> data;
    surface::raster::Buffer buffer;
};

QImage clientArea(const surface::QtCanvas& canvas)
{
    return canvas.image().copy(0, 0, 763, 575);
}

} // namespace

// Pixels of the window's canvas: no antialiasing, pen widths in pixels, any coordinate accepted.
class RasterTest : public QObject {
    Q_OBJECT

private slots:
    void segments_data()
    {
        QTest::addColumn<QLineF>("line");
        QTest::addColumn<double>("pen");
        QTest::addColumn<int>("pixels");
        QTest::newRow("horizontal, pen 1") << QLineF(2, 5.5, 12.9, 5.5) << 1.0 << 11;
        QTest::newRow("horizontal, pen 2") << QLineF(2, 5, 12, 5) << 2.0 << 22;
        QTest::newRow("vertical, pen 1") << QLineF(3, 1, 3, 10) << 1.0 << 10;
        QTest::newRow("vertical, pen 2") << QLineF(3, 1, 3, 10) << 2.0 << 20;
        // Between the pen's edges: from row 5 to row 6.5, from row 5.5 to row 7.
        QTest::newRow("horizontal, pen 1.5 on a row's edge") << QLineF(2, 5, 12, 5) << 1.5 << 11;
        QTest::newRow("horizontal, pen 1.5 in a row's middle") << QLineF(2, 5.5, 12, 5.5) << 1.5 << 22;
        QTest::newRow("vertical, pen 1.25 near a column's end") << QLineF(3.8, 1, 3.8, 10) << 1.25 << 20;
        QTest::newRow("diagonal") << QLineF(0, 0, 9, 9) << 1.0 << 10;
        QTest::newRow("diagonal, pen 1.25: two pixels across") << QLineF(0, 0, 9, 9) << 1.25 << 20;
        // A pen a hair above a whole width, as 2 x 1.5000000000000002 comes out, is that width.
        QTest::newRow("diagonal, pen a hair above 2") << QLineF(0, 0, 9, 9) << 2 * 1.5000000000000002 - 1 << 20;
        // Below one device pixel per pixel (a window smaller than its design) a line keeps one.
        QTest::newRow("horizontal, pen of half a pixel") << QLineF(2, 5, 12, 5) << 0.5 << 11;
        QTest::newRow("vertical, pen of half a pixel") << QLineF(3, 1, 3, 10) << 0.5 << 10;
        QTest::newRow("shallow, backwards") << QLineF(15, 8, 0, 3) << 1.0 << 16;
        QTest::newRow("a point") << QLineF(4, 4, 4, 4) << 1.0 << 1;
        QTest::newRow("huge but finite, clipped") << QLineF(-1e30, 7, 1e30, 7) << 1.0 << 20;
        QTest::newRow("entirely outside") << QLineF(-50, -50, -10, -1) << 1.0 << 0;
        QTest::newRow("steep from far outside") << QLineF(5, -1e20, 5, 1e20) << 1.0 << 16;
    }
    void segments()
    {
        QFETCH(QLineF, line);
        QFETCH(double, pen);
        QFETCH(int, pixels);
        Pixels p(20, 16);
        surface::raster::line(p.buffer, line.x1(), line.y1(), line.x2(), line.y2(), surface::raster::Pen{pen}, ink);
        QCOMPARE(p.inked(), pixels);
    }

    void endsAreOnTheLine()
    {
        Pixels p(20, 16);
        const surface::raster::Rect touched =
            surface::raster::line(p.buffer, 1.2, 2.7, 17.9, 13.1, surface::raster::Pen(), ink);
        QCOMPARE(p.at(1, 2), ink);
        QCOMPARE(p.at(17, 13), ink);
        QCOMPARE(touched.left, 1);
        QCOMPARE(touched.top, 2);
        QCOMPARE(touched.right, 18);
        QCOMPARE(touched.bottom, 14);
    }

    void circles_data()
    {
        QTest::addColumn<double>("radius");
        QTest::addColumn<bool>("ring");
        QTest::newRow("marker at one pixel per 15 twips") << 10.0 / 15 << true;
        QTest::newRow("a larger ring") << 5.0 << true;
        QTest::newRow("marker at half a pixel per pixel") << 10.0 / 15 / 2 << true;
        QTest::newRow("too large to be on the window") << 1e12 << false;
        QTest::newRow("not a number") << double(NAN) << false;
    }
    void circles()
    {
        QFETCH(double, radius);
        QFETCH(bool, ring);
        Pixels p(20, 16);
        surface::raster::circle(p.buffer, 10.5, 8.5, radius, surface::raster::Pen(), ink);
        QCOMPARE(p.inked() > 0, ring);
        if (ring && radius >= 2)
            QCOMPARE(p.at(10, 8), 0u); // a ring, not a disc
    }

    void canvasSkipsWhatIsNotFinite_data()
    {
        const float inf = std::numeric_limits<float>::infinity();
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::newRow("NaN") << float(NAN) << 100.0f;
        QTest::newRow("infinity") << inf << 100.0f;
        QTest::newRow("minus infinity") << 100.0f << -inf;
    }
    void canvasSkipsWhatIsNotFinite()
    {
        QFETCH(float, x);
        QFETCH(float, y);
        surface::QtCanvas canvas(QSize(763, 575), 1);
        const QImage before = canvas.image();
        canvas.Line(surface::lineInForeground, x, y, 3000, 3000, 0);
        canvas.Line(surface::lineInColour, 3000, 3000, x, y, 0xFFFFFF);
        canvas.Circle(x, y, 10);
        QCOMPARE(canvas.image(), before);
    }

    void canvasClipsHugeCoordinatesQuickly()
    {
        surface::QtCanvas canvas(QSize(763, 575), 2);
        QElapsedTimer timer;
        timer.start();
        canvas.setDrawWidth(2);
        canvas.Line(surface::lineInForeground, -3e38f, 1500, 3e38f, 1500, 0);
        canvas.Line(surface::lineInForeground, 7300, 100, 7300 + 3e38f, 100, 0);
        QVERIFY(timer.elapsed() < 100);
        // Twips 1500 at two device pixels per logical pixel is row 200; pen 2 is four rows there.
        for (const int y : {199, 200, 201, 202}) {
            QCOMPARE(canvas.image().pixel(0, y), 0xFF000000u);
            QCOMPARE(canvas.image().pixel(1525, y), 0xFF000000u);
        }
        QCOMPARE(canvas.image().pixel(700, 198), 0u);
        QCOMPARE(canvas.image().pixel(700, 203), 0u);
    }

    void colours()
    {
        surface::QtCanvas canvas(QSize(763, 575), 1);
        canvas.Line(surface::lineInColour, 0, 15, 600, 15, 0xC0FFC0);     // 0x00BBGGRR: light green
        canvas.Line(surface::lineInColour, 0, 30, 600, 30, 0x0000FF);     // red
        canvas.Line(surface::lineInForeground, 0, 45, 600, 45, 0xFFFFFF); // flags 4: black whatever the colour
        QCOMPARE(canvas.image().pixel(10, 1), qRgb(0xC0, 0xFF, 0xC0));
        QCOMPARE(canvas.image().pixel(10, 2), qRgb(0xFF, 0, 0));
        QCOMPARE(canvas.image().pixel(10, 3), qRgb(0, 0, 0));
    }

    void sceneCoversTheWholeClientArea()
    {
        surface::QtCanvas canvas(QSize(763, 575), 1);
        sim::run(reference::fastSettings("60", "Sklo", "1500", 1.5, 60), canvas);
        const QImage image = clientArea(canvas);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) != 255)
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 not painted").arg(x).arg(y)));
            }
        }
    }

    // A second press of Start leaves nothing of the first run on the surface.
    void secondRunLeavesNothingOfTheFirst_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("standard screen") << qreal(1);
        QTest::newRow("high-DPI screen") << qreal(2);
    }
    void secondRunLeavesNothingOfTheFirst()
    {
        QFETCH(qreal, ratio);
        const sim::RunSettings first = reference::fastSettings("Mezní", "Sklo", "100", 1.5, 41.839);
        const sim::RunSettings second = reference::fastSettings("35", "Voda", "1500", 1.33, 35);
        surface::QtCanvas twice(QSize(763, 575), ratio);
        sim::run(first, twice);
        const QImage afterFirst = twice.image();
        sim::run(second, twice);
        surface::QtCanvas once(QSize(763, 575), ratio);
        sim::run(second, once);
        QVERIFY(afterFirst != once.image());
        QCOMPARE(twice.image(), once.image());
    }
};

QTEST_GUILESS_MAIN(RasterTest)
#include "tst_raster.moc"
