#include "app/Languages.h"
#include "window/form/Choices.h"
#include "window/form/Design.h"
#include "window/form/Form.h"
#include "window/form/RoundedNumber.h"
#include "window/handout/Light.h"
#include "window/handout/Statement.h"
#include "window/handout/Worksheet.h"

#include <QLocale>
#include <QRegularExpression>
#include <QtTest>

#include <cmath>
#include <numbers>

namespace {

using window::light::Detector;
using window::light::Region;
using window::light::Source;
using window::light::Verdict;

// A run's readings are all these tests look at: nothing is drawn.
class NoSurface final : public surface::Surface {
public:
    void setScaleMode(int) override {}
    void setDrawWidth(int) override {}
    void Line(int, float, float, float, float, surface::Colour) override {}
    void Circle(float, float, float) override {}
};

// What a teacher clicks and types, then Start, the run taken to its end.
struct Case {
    const char* substance;
    const char* angleOption;
    const char* distanceOption;
    QString angle; // typed into nAlfa where not empty
    QString index; // typed into nIndex where not empty
};

window::Measured runOf(const Case& c)
{
    NoSurface drawing;
    const window::NumberText numbers;
    window::Form form{drawing, numbers};
    form.Form_Load();
    for (const char* option : {c.substance, c.angleOption, c.distanceOption})
        form.click(option);
    if (!c.angle.isEmpty())
        form.type("nAlfa", c.angle.toStdString());
    if (!c.index.isEmpty())
        form.type("nIndex", c.index.toStdString());
    form.click("cmdStart");
    while (form.frame(window::RunLoop::Clock::duration::max()).more) {
    }
    return *form.measured();
}

QString sayOf(const window::Measured& measured, const QString& language)
{
    languages::use(language);
    const window::NumberText numbers(QLocale(language).decimalPoint().toStdString());
    return QString::fromStdString(window::statement(measured, numbers, &languages::translate));
}

// The angle a sine gives, in degrees, worked out here apart from the program's own code.
double degreesOf(double sine)
{
    return std::asin(sine) * 180 / std::numbers::pi;
}

// Every substance and option, the normal and both sides of it, each critical angle half a degree
// either side, numbers far past a turn, and indices from below the air's to far above glass's.
QList<Case> grid()
{
    QList<Case> cases;
    const QStringList angles{"",     "-720", "-90", "-35", "0",    "5",  "48.25", "49.25",
                             "41.3", "42.3", "60",  "75",  "89.9", "90", "28500", "1000000"};
    const QStringList indices{"", "0.5", "1", "1.6", "2", "3"};
    for (const QString& angle : angles)
        for (const QString& index : indices)
            cases.append({"opVoda", "opMenší", "opStředníDistance", angle, index});
    for (const char* substance : {"opVoda", "opSklo"})
        for (const char* option : {"opMezní", "opVětší"})
            for (const char* distance : {"opMaláDistance", "opVelkáDistance"})
                for (const QString& angle : {QString(), QStringLiteral("35"), QStringLiteral("49.25")})
                    cases.append({substance, option, distance, angle, {}});
    return cases;
}

const QList<window::Measured>& gridRuns()
{
    static const QList<window::Measured> runs = [] {
        QList<window::Measured> measured;
        for (const Case& c : grid())
            measured.append(runOf(c));
        return measured;
    }();
    return runs;
}

} // namespace

// What a student is told about a run, checked as a rule over a grid of runs in every language,
// and against a few runs worked out by hand.
class StatementTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { languages::use(languages::english); }

    // Worked by hand, with the run's 3.14 for pi: sin(35 × 3.14 / 180) = 0.573323, and
    //   water 1.33 × 0.573323 = 0.762520, arcsin 49.68; its critical angle arcsin(1 / 1.33) = 48.75;
    //   glass 1.5 × 0.573323 = 0.859984, arcsin 59.31; arcsin(1 / 1.5) = 41.81;
    //   1.6 × 0.573323 = 0.917317, arcsin 66.54; arcsin(1 / 1.6) = 38.68;
    //   28500 × 3.14 / 180 = 497.1667 rad, less 79 turns 0.7951 rad: 45.55 degrees, and
    //   1.33 × sin 45.55 = 0.94965, arcsin 71.73;
    //   49 × 3.14 / 180 = 0.854778 rad, 48.98 degrees: past water's 48.75.
    void handWorked_data()
    {
        QTest::addColumn<QStringList>("actions"); // click NAME | type NAME TEXT
        QTest::addColumn<QStringList>("says");
        QTest::addColumn<QStringList>("never");
        QTest::newRow("start-up") << QStringList{}
                                  << QStringList{"Water at 35 degrees: the angle of incidence, 35 degrees, is less "
                                                 "than the critical angle of about 48.8 degrees.",
                                                 "refracted into the air at 49.7 degrees, as Snell's law gives",
                                                 "(Snell's law gives 49.7)", "reflected back into the water at 35"}
                                  << QStringList{"twip", "drawing"};
        QTest::newRow("glass") << QStringList{"click opSklo"}
                               << QStringList{"critical angle of about 41.8", "refracted into the air at 59.3"}
                               << QStringList{};
        QTest::newRow("an index no substance has")
            << QStringList{"type nIndex 1.6"}
            << QStringList{"A medium of refractive index 1.6 at 35 degrees", "about 38.7", "into the air at 66.5"}
            << QStringList{"Water"};
        QTest::newRow("a number far past a turn")
            << QStringList{"type nAlfa 28500"}
            << QStringList{"Water at 28500 degrees, the same direction as 45.6 degrees", "less than the critical angle",
                           "into the air at 71.7"}
            << QStringList{"total internal reflection", "greater than"};
        QTest::newRow("just past the critical angle")
            << QStringList{"type nAlfa 49"}
            << QStringList{"greater than the critical angle of about 48.8", "Almost all the light",
                           "Detector H finds light right of the normal that the narrow beam spreads"}
            << QStringList{"No light reaches Detector H", "none leaves"};
        QTest::newRow("a dark detector") << QStringList{"type nAlfa 5"}
                                         << QStringList{"No light reaches Detector V: the refracted light meets its "
                                                        "line beyond the stretch it measures"}
                                         << QStringList{"Detector V, moving down, finds"};
        QTest::newRow("a second beam, the real one past the track")
            << QStringList{"click opSklo", "click opVětší", "type nAlfa 75"}
            << QStringList{"Detector S finds light right of the normal from a second beam",
                           "the reflected light meets its line beyond the stretch it measures"}
            << QStringList{"Detector S finds the reflected light"};
        QTest::newRow("no boundary") << QStringList{"type nIndex 1"}
                                     << QStringList{"there is no boundary", "nothing is reflected",
                                                    "as if a boundary reflected it"}
                                     << QStringList{"finds the reflected light"};
    }
    void handWorked()
    {
        QFETCH(QStringList, actions);
        QFETCH(QStringList, says);
        QFETCH(QStringList, never);
        Case c{"opVoda", "opMenší", "opStředníDistance", {}, {}};
        for (const QString& action : actions) {
            const QStringList words = action.split(QLatin1Char(' '));
            if (words[0] == QLatin1String("type"))
                (words[1] == QLatin1String("nAlfa") ? c.angle : c.index) = words[2];
            else if (words[1] == QLatin1String("opSklo"))
                c.substance = "opSklo";
            else
                c.angleOption = words[1] == QLatin1String("opVětší") ? "opVětší" : "opMezní";
        }
        const QString statement = sayOf(runOf(c), languages::english);
        for (const QString& words : says)
            QVERIFY2(statement.contains(words), qPrintable(statement));
        for (const QString& words : never)
            QVERIFY2(!statement.contains(words, Qt::CaseInsensitive), qPrintable(statement));
    }

    // The rule over the grid: no clause the readings or the physics contradict, the medium named by
    // its index, each detector's light decided by the one stated rule, the law's angles to a tenth
    // of a degree, and the measured angles near the law's.
    void ruleOverAGrid_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& code : languages::available())
            QTest::newRow(qPrintable(code)) << code;
    }
    void ruleOverAGrid()
    {
        QFETCH(QString, language);
        const window::NumberText numbers(QLocale(language).decimalPoint().toStdString());
        const auto text = [&numbers](double value) {
            return QString::fromStdString(window::roundedText(std::abs(value), 1, numbers));
        };
        for (const window::Measured& m : gridRuns()) {
            const QString said = sayOf(m, language);
            const sim::RunSettings& s = m.settings;
            const window::light::Light light = window::light::lightOf(m);
            const QByteArray where = QStringLiteral("%1 at %2, index %3: %4")
                                         .arg(language)
                                         .arg(s.alphaDeg)
                                         .arg(s.refIndex)
                                         .arg(said)
                                         .toUtf8();

            // Words a student knows: degrees, never the window's twips.
            QVERIFY2(!said.contains(QLatin1String("twip"), Qt::CaseInsensitive), where.constData());

            // The medium named by its index: a substance's name only for its own.
            const window::Substance* own = nullptr;
            for (const window::Substance& each : window::substances())
                if (each.index == s.refIndex)
                    own = &each;
            for (const window::Substance& each : window::substances()) {
                const QString name = languages::design(window::findControl(each.option)->text);
                QVERIFY2(said.startsWith(name) == (&each == own), where.constData());
            }
            if (!own)
                QVERIFY2(said.contains(QString::fromStdString(numbers.text(s.refIndex))), where.constData());

            // The angles, by the laws, from the direction the run computed.
            const double sine = std::sin(s.alphaDeg * 3.14 / 180);
            const double incidence = degreesOf(sine);
            const window::light::Angles& a = light.angles;
            QVERIFY2(std::abs(a.incidence - incidence) < 1e-9, where.constData());
            QVERIFY2(said.contains(text(incidence)), where.constData());
            if (s.refIndex > 1) {
                const double critical = degreesOf(1 / s.refIndex);
                QVERIFY2(said.contains(text(critical)), where.constData());
                const double past = std::abs(incidence) - critical;
                const bool less = light.verdict == Verdict::Refracts;
                const bool greater = light.verdict == Verdict::Total || light.verdict == Verdict::AlmostTotal;
                QVERIFY2(past < -0.05  ? less
                         : past > 0.05 ? greater
                                       : light.verdict == Verdict::Critical,
                         where.constData());
            }
            const bool leaves =
                s.refIndex > 0 && std::abs(s.refIndex * sine) <= 1 && light.verdict != Verdict::Critical;
            if (leaves) {
                const double snell = degreesOf(s.refIndex * sine);
                QVERIFY2(a.refraction && std::abs(*a.refraction - snell) < 0.05, where.constData());
                QVERIFY2(said.contains(text(snell)), where.constData());
            }

            for (const window::light::DetectorLight& d : light.detectors) {
                // The one stated rule: light where a reading reaches the share of the open beam.
                bool lit = false;
                for (const sim::Reading& r : m.readings)
                    lit = lit || (window::light::readingOf(d.detector, r) > 0 &&
                                  window::light::readingOf(d.detector, r) >=
                                      window::light::litShare * window::light::openBeam(m, d.detector, r));
                QVERIFY2(d.lit == lit && d.lit == !d.findings.empty(), where.constData());
                const char* letter = d.detector == Detector::V ? "V" : d.detector == Detector::H ? "H" : "S";
                const QString dark = QString::fromStdString(
                    window::fill(languages::translate("Statement", "No light reaches Detector %1."), {letter}));
                const QString why = QString::fromStdString(
                    window::fill(languages::translate("Statement", "No light reaches Detector %1: %2."), {letter, ""}));
                const QString darkAndWhy = why.left(why.size() - 1);
                QVERIFY2(lit != (said.contains(dark) || said.contains(darkAndWhy)), where.constData());

                for (const window::light::Finding& f : d.findings) {
                    // Light in the air that left the boundary, only where the light leaves; light
                    // reflected, only where there is a boundary.
                    if (f.source == Source::Refracted)
                        QVERIFY2(a.refraction, where.constData());
                    if (f.source == Source::Reflected)
                        QVERIFY2(a.reflection, where.constData());
                    if (light.verdict == Verdict::Total)
                        QVERIFY2(f.region == Region::Medium || f.source == Source::SecondBeam, where.constData());
                    // Where the positions give an angle beside the law's, they agree with it.
                    if (f.measured && f.law)
                        QVERIFY2(std::abs(std::abs(*f.measured) - std::abs(*f.law)) < 3, where.constData());
                }
            }
            if (light.verdict == Verdict::AlmostTotal) {
                bool spread = false;
                for (const window::light::DetectorLight& d : light.detectors)
                    for (const window::light::Finding& f : d.findings)
                        spread = spread || (f.region == Region::Air && f.source == Source::Spread);
                QVERIFY2(spread, where.constData());
            }
        }
    }

    // The worksheet of every run of the grid: four to six questions, each answered, and every step
    // of an answer worked right from the numbers it shows: a tangent from the positions, the angle
    // from its tangent near the law's, the index from Snell's law near the run's, the critical
    // angle from the index, the sine of the refraction from the index and the incidence.
    void worksheetOverTheGrid()
    {
        const window::NumberText numbers;
        const auto near = [](double a, double b, double within) { return std::abs(a - b) <= within; };
        const auto radians = [](double degrees) { return degrees * std::numbers::pi / 180; };
        const QString number = QStringLiteral("(-?[0-9]+(?:\\.[0-9]+)?)");
        const QRegularExpression tangent(QStringLiteral("tan \u03B8 = \\(%1 \u2212 %1\\) \u00F7 %1 = %1, so \u03B8 "
                                                        "\u2248 %1 degrees\\. [^0-9]*%1 degrees")
                                             .arg(number));
        const QRegularExpression index(
            QStringLiteral("n = sin %1 \u00F7 sin %1 \u2248 %1\\. The run's index is %1").arg(number));
        const QRegularExpression critical(
            QStringLiteral("sin c = 1 \u00F7 %1 = %1, so c \u2248 %1 degrees").arg(number));
        const QRegularExpression refraction(QStringLiteral("sin r = %1 \u00D7 sin %1 \u2248 %1").arg(number));
        for (const window::Measured& m : gridRuns()) {
            const window::Worksheet sheet = window::worksheet(m, numbers);
            const QByteArray where =
                QStringLiteral("at %1, index %2").arg(m.settings.alphaDeg).arg(m.settings.refIndex).toUtf8();
            QVERIFY2(sheet.questions.size() >= 4 && sheet.questions.size() <= 6, where.constData());
            QCOMPARE(sheet.answers.size(), sheet.questions.size());
            for (const std::string& answer : sheet.answers) {
                const QString a = QString::fromStdString(answer);
                const QByteArray said = where + ": " + a.toUtf8();
                const auto values = [&a](const QRegularExpression& pattern) {
                    QList<double> found;
                    const QRegularExpressionMatch match = pattern.match(a);
                    for (int k = 1; match.hasMatch() && k <= pattern.captureCount(); ++k)
                        found << match.captured(k).toDouble();
                    return found;
                };
                if (const QList<double> v = values(tangent); !v.isEmpty()) {
                    QVERIFY2(near(v[3], (v[0] - v[1]) / v[2], 6e-4), said.constData());
                    // The angle from the tangent shown, to its rounding and the angle's own.
                    QVERIFY2(near(v[4], std::abs(std::atan(v[3])) * 180 / std::numbers::pi, 0.09), said.constData());
                    QVERIFY2(near(v[4], v[5], 3), said.constData());
                }
                if (const QList<double> v = values(index); !v.isEmpty()) {
                    QVERIFY2(near(v[2], std::sin(radians(v[0])) / std::sin(radians(v[1])), 0.003 * v[2]),
                             said.constData());
                    QVERIFY2(near(v[2], v[3], 0.05 * v[3]), said.constData());
                }
                if (const QList<double> v = values(critical); !v.isEmpty())
                    QVERIFY2(near(v[2], degreesOf(1 / v[0]), 0.06), said.constData());
                if (const QList<double> v = values(refraction); !v.isEmpty())
                    QVERIFY2(near(v[2], v[0] * std::sin(radians(v[1])), 0.002 + 0.001 * v[0]), said.constData());
            }
        }
    }
};

QTEST_GUILESS_MAIN(StatementTest)
#include "tst_statement.moc"
