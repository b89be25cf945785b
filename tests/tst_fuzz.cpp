#include "Runs.h"

#include "app/MainWindow.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include <cmath>
#include <random>

namespace {

// Counts the markers and lines that reach the canvas. Every marker and every line but a case's
// white rays is drawn whatever the numbers, so a run that lost a call to a number beyond the
// finite range shows it here.
class Tally final : public surface::Surface {
public:
    long lines = 0;
    long circles = 0;

    void setScaleMode(int) override {}
    void setDrawWidth(int) override {}
    void Line(int, float, float, float, float, surface::Colour) override { ++lines; }
    void Circle(float, float, float) override { ++circles; }
};

// Text a user might type: numbers in every form, words in any script, and the odd cases.
class Typist {
public:
    explicit Typist(std::mt19937& random)
        : random_(random)
    {
    }

    QString next()
    {
        switch (pick(4)) {
        case 0:
            return anyText();
        case 1:
            return special();
        default:
            return number();
        }
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    QString number()
    {
        const double mantissa = std::uniform_real_distribution<double>(-10, 10)(random_);
        const int exponent = std::uniform_int_distribution<int>(-330, 330)(random_);
        const double value = pick(3) == 0 ? mantissa * std::pow(10.0, exponent) : mantissa * 20;
        QString text = QString::number(value, "gef"[pick(3)], pick(18));
        if (pick(4) == 0)
            text.replace(QLatin1Char('.'), QLatin1Char(','));
        if (pick(8) == 0)
            text.prepend(QLatin1Char(' '));
        return text;
    }

    QString special()
    {
        static const char* const texts[] = {"",       " ",      "inf",    "-inf",  "nan",   "NaN",     "1e400",
                                            "-1e400", "-0",     "90",     "1,2,3", "1.5",   "1,5",     "0x10",
                                            "1e307",  "-1e308", "1e-320", "+1",    "1_000", "1.000,5", "١٫٥",
                                            "48.783", "41.839", "35",     "60",    "1.33"};
        return QString::fromUtf8(texts[pick(int(std::size(texts)))]);
    }

    QString anyText()
    {
        static const char32_t ranges[][2] = {{0x20, 0x7E},     {0xA0, 0x17F},      {0x300, 0x36F}, {0x391, 0x3C9},
                                             {0x4E00, 0x4E80}, {0x1F600, 0x1F64F}, {0x1, 0x1F}};
        QString text;
        for (int n = pick(13); n > 0; --n) {
            const auto& range = ranges[pick(int(std::size(ranges)))];
            const char32_t c = std::uniform_int_distribution<char32_t>(range[0], range[1])(random_);
            text += QString::fromUcs4(&c, 1);
        }
        return text;
    }

    std::mt19937& random_;
};

bool slowdownAHandlerWrites(const QString& text)
{
    if (text == QLatin1String("500000") || text == QLatin1String("1000000"))
        return true;
    bool whole = false;
    const long count = text.toLong(&whole);
    return whole && count >= 1 && (count - 1) % 100 == 0 && (count - 1) / 100 <= 32767 &&
           text == QString::number(count);
}

} // namespace

// Random use of the window under a fixed seed: it never crashes or hangs, every run it starts draws
// its whole picture,
// and its hidden cells only ever hold what the handlers write.
class FuzzTest : public QObject {
    Q_OBJECT

private slots:
    void randomSequencesOfActions()
    {
        constexpr int sequences = 10000;
        std::mt19937 random(20261208);
        Typist typist(random);
        Tally tally;
        int refusals = 0;
        // Each run sweeps two steps: the whole sweep is covered by the other suites.
        constexpr int steps = 2;
        MainWindow window({&tally, [&](const QString&) { ++refusals; }, steps});
        // A run that draws no white ray: the fewest lines a whole run draws.
        Tally fewest;
        MainWindow plain({&fewest, {}, steps});
        const long dash = fewest.lines;
        plain.form().type(window::name::nAlfaCaption, "60");
        start(plain);
        QVERIFY(runEnded(plain));
        const long linesOfARun = fewest.lines - dash;
        const QList<QRadioButton*> options = window.findChildren<QRadioButton*>();
        auto* bar = window.findChild<QScrollBar*>(QStringLiteral("HScroll1"));
        auto* start = window.findChild<QAbstractButton*>(QStringLiteral("cmdStart"));
        const auto cell = [&](const char* name) { return window.findChild<QLineEdit*>(QString::fromUtf8(name)); };
        const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };

        int runs = 0;
        for (int sequence = 0; sequence < sequences; ++sequence) {
            for (int action = pick(4); action >= 0; --action) {
                QElapsedTimer timer;
                timer.start();
                switch (pick(12)) {
                case 0:
                case 1:
                case 2:
                    options[pick(int(options.size()))]->click();
                    break;
                case 3:
                    // Mostly short pauses, now and then the slowest.
                    bar->setValue(int(std::exp(std::uniform_real_distribution<double>(0, std::log(32768.0))(random))) -
                                  1);
                    break;
                case 4: {
                    const Tally before = tally;
                    const int refusedBefore = refusals;
                    start->click();
                    QVERIFY(runEnded(window));
                    ++runs;
                    if (refusals == refusedBefore) {
                        QCOMPARE(tally.circles - before.circles, long(3 * steps));
                        const long drawn = tally.lines - before.lines;
                        QVERIFY2(drawn >= linesOfARun && drawn <= linesOfARun + 2, qPrintable(QString::number(drawn)));
                    }
                    break;
                }
                default:
                    typeInto(cell(pick(2) ? "nAlfa" : "nIndex"), typist.next());
                    break;
                }
                QVERIFY2(timer.elapsed() < 5000, "an action took too long");
            }
            const QString substance = cell("nLátka")->text();
            const QString caption = cell("nAlfaCaption")->text();
            const QString distance = cell("nDistance")->text();
            const QString slowdown = cell("nSpomaleni")->text();
            QVERIFY2(substance == QLatin1String("Voda") || substance == QLatin1String("Sklo"), qPrintable(substance));
            QVERIFY2(caption == QLatin1String("35") || caption == QLatin1String("60") ||
                         caption == QStringLiteral("Mezní"),
                     qPrintable(caption));
            QVERIFY2(distance == QLatin1String("100") || distance == QLatin1String("750") ||
                         distance == QLatin1String("1500"),
                     qPrintable(distance));
            QVERIFY2(slowdownAHandlerWrites(slowdown), qPrintable(slowdown));
        }
        qInfo("%d sequences, %d presses of Start (%d refused), %ld lines drawn", sequences, runs, refusals,
              tally.lines);
        QVERIFY(runs > 1000);
        QVERIFY(refusals > 0 && refusals < runs);
    }
};

QTEST_MAIN(FuzzTest)
#include "tst_fuzz.moc"
