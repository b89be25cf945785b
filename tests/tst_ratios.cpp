#include "reference/StartupSettings.h"
#include "sim/Run.h"
#include "sim/Scene.h"
#include "sim/SweepSteps.h"
#include "surface/Canvas.h"
#include "window/form/Choices.h"
#include "window/rules/Geometry.h"

#include <QRgb>
#include <QtTest>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

std::uint32_t opaque(surface::Colour colour)
{
    const surface::Rgb rgb = surface::rgbOf(colour);
    return qRgb(int(rgb.red), int(rgb.green), int(rgb.blue));
}

const std::uint32_t ink = opaque(surface::foregroundColour);

// What shows where nothing is drawn over it: the air and the medium.
bool background(std::uint32_t pixel)
{
    return pixel == opaque(sim::grey) || pixel == opaque(sim::lightGreen);
}

// A logical pixel's place, from the twips of a point in it.
int pixelOf(double twips)
{
    return int(std::floor(twips / surface::twipsPerPixel));
}

// A run's drawing as the canvas draws it at so many device pixels per pixel.
struct Picture {
    Picture(const sim::RunSettings& settings, double ratio)
        : ratio(ratio)
    {
        const window::Size client = window::clientPixels();
        surface::Canvas canvas(client.width, client.height, ratio, surface::PixelOrder::Argb);
        sim::run(settings, canvas);
        width = canvas.width();
        height = canvas.height();
        pixels.assign(canvas.pixels(), canvas.pixels() + std::size_t(width) * std::size_t(height));
    }
    std::uint32_t at(int x, int y) const { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
    // The first device pixel of a logical pixel, along either axis, as shapes are placed; the
    // next one's first ends it.
    int first(int logical) const { return int(std::floor(logical * ratio)); }
    // The first device pixel whose middle lies in a logical pixel, as a box filter takes them.
    int firstInside(int logical) const { return int(std::ceil(logical * ratio - 0.5)); }
    // Whether all the device pixels of a logical pixel are of one colour, as a box filter that
    // reduces the picture to one device pixel per pixel leaves that colour there.
    bool all(int x, int y, std::uint32_t colour) const
    {
        for (int dy = firstInside(y); dy < firstInside(y + 1); ++dy) {
            for (int dx = firstInside(x); dx < firstInside(x + 1); ++dx) {
                if (at(dx, dy) != colour)
                    return false;
            }
        }
        return true;
    }
    bool even(int x, int y) const { return all(x, y, at(firstInside(x), firstInside(y))); }

    double ratio;
    int width{};
    int height{};
    std::vector<std::uint32_t> pixels;
};

// How often ink starts or stops along a line of device pixels. What else crosses the line (the
// white rays) is left out, so that it neither starts nor stops anything.
int startsAndStops(const Picture& picture, bool down, int at, int from, int to)
{
    int changes = 0;
    bool inked = false;
    for (int k = from; k < to; ++k) {
        const std::uint32_t pixel = down ? picture.at(at, k) : picture.at(k, at);
        if (pixel != ink && !background(pixel))
            continue;
        changes += (pixel == ink) != inked ? 1 : 0;
        inked = pixel == ink;
    }
    return changes + (inked ? 1 : 0);
}

// A line of device pixels across a detector's pattern, from one end of the pattern's track to
// the other: a logical pixel's first device column, as Detector V's bars grow to the right, or
// its last device row, as H's and S's grow upward, so that a bar which reaches the line at one
// reaches it at every ratio. Lines where a bar ends less than a device pixel short of the line,
// or where a short bar stands between taller ones, may rightly differ (H's and S's bars stand two
// thirds of a pixel apart: at one a pixel shows the taller of two, finer pictures show both);
// the lines here are clear of both in the three runs.
struct Across {
    const char* name;
    bool down;
    int logical;
    int from; // logical pixels
    int to;

    int at(const Picture& p) const { return down ? p.first(logical) : p.first(logical + 1) - 1; }
    int startsAndStops(const Picture& p) const { return ::startsAndStops(p, down, at(p), p.first(from), p.first(to)); }
};

std::vector<Across> linesAcross(const sim::RunSettings& settings)
{
    const int v = pixelOf(sim::xDetectorV);
    const int h = pixelOf(sim::yBoundary - settings.distanceH);
    const int s = pixelOf(sim::yBoundary + sim::depthS);
    const int top = pixelOf(sim::yTop);
    const int bottom = pixelOf(sim::yBottom);
    const int left = pixelOf(sim::xLeft);
    const int right = pixelOf(sim::xRight);
    return {
        {"Detector V's pattern by its track", true, v + 1, top, bottom},
        {"Detector V's pattern", true, v + 8, top, bottom},
        {"Detector H's pattern near its track", false, h - 5, left, right},
        {"Detector H's pattern", false, h - 12, left, right},
        {"Detector S's pattern near its track", false, s - 3, left, right},
        {"Detector S's pattern", false, s - 10, left, right},
    };
}

// A track, in twips, where the markers run along it, and the side of it that its bars leave
// clear: Detector V's bars grow to the right, H's and S's upward.
struct Track {
    const char* name;
    bool down;
    double at;
    double from;
    double to;
    int clear; // -1: the left or upper side, 1: the right or lower
};

std::vector<Track> tracks(const sim::RunSettings& settings)
{
    const sim::SweepStep last = sim::sweepStep(sim::sweepSteps - 1);
    const double right = sim::xLeft + last.xOffset;
    return {
        {"Detector V's track", true, sim::xDetectorV, sim::yTop, double(last.ySweep), -1},
        {"Detector H's track", false, sim::yBoundary - settings.distanceH, sim::xLeft, right, 1},
        {"Detector S's track", false, sim::yBoundary + sim::depthS, sim::xLeft, right, 1},
    };
}

// A run at one device pixel per pixel, and where its shapes' edges lie: where a pixel's
// neighbours have another colour than it, and where the pictures at two and three device pixels
// per pixel show detail finer than a pixel (the Cornu spirals' arrows are a fifth of a pixel
// long; H's and S's bars stand two thirds of a pixel apart), with the pixels beside those.
struct Reference {
    Reference(const char* name, const sim::RunSettings& settings)
        : name(name)
        , settings(settings)
        , one(settings, 1)
        , edge(one.pixels.size())
    {
        const Picture two(settings, 2);
        const Picture three(settings, 3);
        std::vector<bool> finer(one.pixels.size());
        for (int y = 0; y < one.height; ++y) {
            for (int x = 0; x < one.width; ++x)
                finer[index(x, y)] = !two.even(x, y) || !three.even(x, y);
        }
        for (int y = 0; y < one.height; ++y) {
            for (int x = 0; x < one.width; ++x) {
                for (int ny = std::max(y - 1, 0); ny <= std::min(y + 1, one.height - 1); ++ny) {
                    for (int nx = std::max(x - 1, 0); nx <= std::min(x + 1, one.width - 1); ++nx) {
                        if (one.at(nx, ny) != one.at(x, y) || finer[index(nx, ny)])
                            edge[index(x, y)] = true;
                    }
                }
            }
        }
    }
    std::size_t index(int x, int y) const { return std::size_t(y) * std::size_t(one.width) + std::size_t(x); }

    const char* name;
    sim::RunSettings settings;
    Picture one;
    std::vector<bool> edge;
};

} // namespace

// A run's drawing at any number of device pixels per pixel is the drawing at one, with more
// pixels: shapes that touch at one touch at every ratio, so that the detectors' patterns, rows of
// bars one pixel apart, stay solid, and the tracks whole.
class RatiosTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        runs_.emplace_back("start-up", reference::startupSettings());
        runs_.emplace_back("glass 35 1500", reference::fastSettings("35", "Sklo", "1500", 1.5, 35));
        runs_.emplace_back("water critical 100", reference::fastSettings("Mezní", "Voda", "100", 1.33, 48.783));
    }

    void sameDrawingAtEveryRatio_data()
    {
        QTest::addColumn<int>("run");
        QTest::addColumn<double>("ratio");
        for (int k = 0; k < int(runs_.size()); ++k) {
            for (const double ratio :
                 {1.1, 1.2, 1.25, 1.333, 1.4, 1.5, 1.7391, 1.75, 2.0, 2.25, 2.5, 2.625, 3.0, 3.5, 4.0})
                QTest::addRow("%s at %g", runs_[std::size_t(k)].name, ratio) << k << ratio;
        }
    }
    void sameDrawingAtEveryRatio()
    {
        QFETCH(int, run);
        QFETCH(double, ratio);
        const Reference& reference = runs_[std::size_t(run)];
        const Picture& one = reference.one;
        const Picture many(reference.settings, ratio);
        QStringList problems;

        for (const Across& line : linesAcross(reference.settings)) {
            if (line.startsAndStops(many) != line.startsAndStops(one))
                problems << QStringLiteral("%1: %2 starts and stops, %3 at one")
                                .arg(QLatin1String(line.name))
                                .arg(line.startsAndStops(many))
                                .arg(line.startsAndStops(one));
        }

        // Every line of device pixels along a track, on the side its bars leave clear, that is
        // mostly ink is all ink, but where something else crosses it.
        for (const Track& track : tracks(reference.settings)) {
            const int own = int(std::floor(track.at / surface::twipsPerPixel * ratio));
            const int from = int(std::floor(track.from / surface::twipsPerPixel * ratio));
            const int to = int(std::floor(track.to / surface::twipsPerPixel * ratio));
            for (int side = 0; side <= int(std::ceil(2 * ratio)); ++side) {
                const int at = own + track.clear * side;
                int inked = 0;
                int holes = 0;
                for (int k = from; k < to; ++k) {
                    const std::uint32_t pixel = track.down ? many.at(at, k) : many.at(k, at);
                    inked += pixel == ink ? 1 : 0;
                    holes += background(pixel) ? 1 : 0;
                }
                if (2 * inked > to - from && holes > 0)
                    problems << QStringLiteral("%1: %2 holes %3 device pixels from it")
                                    .arg(QLatin1String(track.name))
                                    .arg(holes)
                                    .arg(side);
            }
        }

        // Reduced to one device pixel per pixel with a box filter, the picture differs only at
        // shapes' edges.
        int differing = 0;
        QString first;
        for (int y = 0; y < one.height; ++y) {
            for (int x = 0; x < one.width; ++x) {
                if (reference.edge[reference.index(x, y)] || many.all(x, y, one.at(x, y)))
                    continue;
                if (differing++ == 0)
                    first = QStringLiteral("%1,%2").arg(x).arg(y);
            }
        }
        if (differing > 0)
            problems << QStringLiteral("%1 pixels inside shapes differ, the first at %2").arg(differing).arg(first);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1String("; "))));
    }

    // A refit draws the picture afresh a share at a time, from the calls that made it: once
    // whole, it is the picture drawn at the new ratio from the start. One on which nothing has
    // been drawn stays transparent, and says so, so that the page has nothing to put.
    void refitIsThePictureAtTheNewRatio_data()
    {
        QTest::addColumn<int>("run"); // -1: nothing drawn
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("to");
        QTest::newRow("start-up, 1 to 1.25") << 0 << 1.0 << 1.25;
        QTest::newRow("water critical 100, 3 to 1.333") << 2 << 3.0 << 1.333;
        QTest::newRow("nothing drawn, 1 to 2") << -1 << 1.0 << 2.0;
    }
    void refitIsThePictureAtTheNewRatio()
    {
        QFETCH(int, run);
        QFETCH(double, from);
        QFETCH(double, to);
        const window::Size client = window::clientPixels();
        surface::Canvas canvas(client.width, client.height, from, surface::PixelOrder::Argb);
        if (run >= 0)
            sim::run(runs_[std::size_t(run)].settings, canvas);
        canvas.beginRatio(to);
        // Each share given no time at all: the least a frame can do.
        int shares = 0;
        while (canvas.redraw(surface::Canvas::Clock::now()))
            ++shares;
        QVERIFY2(run < 0 || shares > 1, "drawn afresh in one share");
        QCOMPARE(canvas.blank(), run < 0);
        const std::vector<std::uint32_t> refitted(canvas.pixels(), canvas.pixels() + std::size_t(canvas.width()) *
                                                                                         std::size_t(canvas.height()));
        const std::vector<std::uint32_t> expected = run < 0 ? std::vector<std::uint32_t>(refitted.size(), 0u)
                                                            : Picture(runs_[std::size_t(run)].settings, to).pixels;
        QVERIFY(refitted == expected);
    }

private:
    std::vector<Reference> runs_;
};

QTEST_GUILESS_MAIN(RatiosTest)
#include "tst_ratios.moc"
