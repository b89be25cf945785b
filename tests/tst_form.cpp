#include "Calls.h"

#include "window/Choices.h"
#include "window/Focus.h"
#include "window/Form.h"
#include "window/Readings.h"

#include <QtTest>

#include <charconv>
#include <cmath>

namespace {

// Numbers as the C locale writes them: the window library asks its front end for these.
class PointNumbers final : public window::NumberText {
public:
    std::string text(double value) const override
    {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.15g", value);
        return buffer;
    }
    std::optional<double> number(std::string_view text) const override
    {
        double value{};
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
            return std::nullopt;
        return value;
    }
};

// Keeps what the form asks of its front end: the settings a run begins with, never drawn.
struct Host final : window::Host {
    window::Form* form{};
    std::vector<sim::RunSettings> runs;
    std::vector<std::string> refused;
    int unloads = 0;
    // Tests that read what a run measured have it drawn to its end at once.
    bool drawRuns = false;
    void runBegun() override
    {
        runs.push_back(std::get<sim::RunSettings>(form->readSettings()));
        while (drawRuns && form->runFrame(window::RunLoop::Clock::duration::max())) {
        }
    }
    void refuse(const window::Refusal& refusal) override { refused.push_back(refusal.field->cell); }
    void unload() override { ++unloads; }
};

// The window's form at start-up, with no widgets and no application object.
struct Started {
    Host host;
    surface::RecordingSurface drawing;
    PointNumbers numbers;
    window::Form form{host, drawing, numbers};
    Started()
    {
        host.form = &form;
        form.Form_Load();
    }
    QString cell(const char* name) const { return QString::fromStdString(form.state().text(name)); }
};

} // namespace

// Start-up and the handlers written once for every front end.
class FormTest : public QObject {
    Q_OBJECT

private slots:
    void startupCells_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("substance") << "nLátka"
                                   << "Voda";
        QTest::newRow("angle choice") << "nAlfaCaption"
                                      << "35";
        QTest::newRow("angle, never the critical one at start") << "nAlfa"
                                                                << "35";
        QTest::newRow("index") << "nIndex"
                               << "1.33";
        QTest::newRow("distance") << "nDistance"
                                  << "750";
        QTest::newRow("slowdown") << "nSpomaleni"
                                  << "1";
    }
    void startupCells()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        const Started window;
        QCOMPARE(window.cell(name.toUtf8().constData()), text);
    }

    void startupControls()
    {
        const Started window;
        const window::State& state = window.form.state();
        QStringList selected;
        for (const window::Control& c : window::controls()) {
            if (state.selected(c.name))
                selected << QString::fromUtf8(c.name);
        }
        QCOMPARE(selected, (QStringList{"opRychlá", "opStředníDistance", "opVoda", "opMenší"}));
        QVERIFY(state.shown("nVoda"));
        QVERIFY(!state.shown("nSklo"));
        for (const char* hidden : {"nLátka", "nAlfaCaption", "nDistance", "nSpomaleni"})
            QVERIFY2(!state.shown(hidden), hidden);
        for (const char* shown : {"nAlfa", "nIndex"})
            QVERIFY2(state.shown(shown), shown);
        const window::State::LineEnds& line1 = state.line("Line1");
        QCOMPARE(line1.from, (window::Point{2880, 4280}));
        QCOMPARE(line1.to, (window::Point{11400, 4280}));
        QCOMPARE(state.place("nDetektorH"), (window::Point{5800, 4400}));
    }

    void startupDrawsOnlyTheDash()
    {
        const Started window;
        const auto& calls = window.drawing.calls;
        QCOMPARE(calls.size(), std::size_t(1));
        QCOMPARE(calls[0].op, Op::Line);
        QCOMPARE(calls[0].value, 4);
        QCOMPARE((QPointF(calls[0].x1, calls[0].y1)), QPointF(770, 7440));
        COMPARE_NEAR(calls[0].x2, 712.67, 0.01);
        QCOMPARE(calls[0].y2, 7440.0f);
    }

    // Start reads the cells as they stand, the numbers through the front end's conversions, and
    // a cell that holds no usable number refuses the run instead.
    void startReadsTheCells_data()
    {
        QTest::addColumn<QStringList>("actions"); // click NAME | type NAME TEXT | scroll N
        QTest::addColumn<QString>("refused");
        QTest::addColumn<double>("alpha");
        QTest::addColumn<double>("slowdown");
        QTest::newRow("start-up") << QStringList{} << "" << 35.0 << 1.0;
        QTest::newRow("glass at its critical angle")
            << QStringList{"click opSklo", "click opMezní"} << "" << 41.839 << 1.0;
        QTest::newRow("a typed angle") << QStringList{"type nAlfa 20.5"} << "" << 20.5 << 1.0;
        QTest::newRow("the slowest pace") << QStringList{"scroll 32767"} << "" << 35.0 << 3276701.0;
        QTest::newRow("letters in the index") << QStringList{"type nIndex x", "type nAlfa y"} << "nIndex" << 0.0 << 0.0;
        QTest::newRow("an angle beyond the range") << QStringList{"type nAlfa 1e7"} << "nAlfa" << 0.0 << 0.0;
    }
    void startReadsTheCells()
    {
        QFETCH(QStringList, actions);
        QFETCH(QString, refused);
        QFETCH(double, alpha);
        QFETCH(double, slowdown);
        Started window;
        for (const QString& action : actions) {
            const QStringList words = action.split(QLatin1Char(' '));
            if (words[0] == QLatin1String("click"))
                window.form.click(words[1].toStdString());
            else if (words[0] == QLatin1String("type"))
                window.form.type(words[1].toStdString(), words[2].toStdString());
            else
                window.form.scroll(words[1].toInt());
        }
        window.form.click("cmdStart");
        if (!refused.isEmpty()) {
            QCOMPARE(window.host.refused, std::vector<std::string>{refused.toStdString()});
            QVERIFY(window.host.runs.empty());
            return;
        }
        QCOMPARE(window.host.runs.size(), std::size_t(1));
        const sim::RunSettings& s = window.host.runs[0];
        QCOMPARE(s.alphaDeg, alpha);
        QCOMPARE(s.slowdown, slowdown);
        const sim::RunSettings named =
            window::caseNamed(window.cell("nAlfaCaption").toStdString(), window.cell("nLátka").toStdString(),
                              window.cell("nDistance").toStdString());
        QVERIFY(s.incidence == named.incidence && s.medium == named.medium && s.track == named.track);
        QCOMPARE(s.steps, 467);
    }

    // The message quotes what was typed once, as it was typed, even where it looks like a place
    // for another argument.
    // The window's tab order: by tab number, an option group a single stop at its selected
    // option, the hidden skipped, round from Start back to Start.
    void tabOrder_data()
    {
        QTest::addColumn<QStringList>("choices");
        QTest::addColumn<QStringList>("round");
        const QStringList atStart{"nAlfa",
                                  "opMenší",
                                  "nIndex",
                                  "opVoda",
                                  "opStředníDistance",
                                  "nTextIndex",
                                  "nDetektorH",
                                  "nDetektorS",
                                  "nDetektorV",
                                  "nCornuovySpirály",
                                  "nPravd2podobnost",
                                  "cmdKonec",
                                  "nVoda",
                                  "nCornuLatka",
                                  "HScroll1",
                                  "nAir",
                                  "nuUplnyOdraz",
                                  "cmdStart"};
        QTest::newRow("at start") << QStringList{} << atStart;
        QStringList chosen = atStart;
        chosen.replace(chosen.indexOf("opMenší"), "opVětší");
        chosen.replace(chosen.indexOf("opVoda"), "opSklo");
        chosen.replace(chosen.indexOf("opStředníDistance"), "opVelkáDistance");
        chosen.replace(chosen.indexOf("nVoda"), "nSklo");
        QTest::newRow("glass, 60, 1500") << QStringList{"opSklo", "opVětší", "opVelkáDistance"} << chosen;
    }
    void tabOrder()
    {
        QFETCH(QStringList, choices);
        QFETCH(QStringList, round);
        Started window;
        for (const QString& option : choices)
            window.form.click(option.toStdString());
        QStringList forward;
        QStringList backward;
        std::string at = "cmdStart";
        std::string back = "cmdStart";
        for (qsizetype i = 0; i < round.size(); ++i) {
            forward << QString::fromUtf8(at = window::nextStop(window.form.state(), at, true)->name);
            backward << QString::fromUtf8(back = window::nextStop(window.form.state(), back, false)->name);
        }
        QCOMPARE(forward, round);
        std::reverse(round.begin(), round.end() - 1);
        QCOMPARE(backward, round);
    }

    // The run's result in words, made from its readings and its case: the case, each detector's
    // light and where it is brightest, in the window's words. Its parts, not its wording.
    void statementOfARun_data()
    {
        QTest::addColumn<QString>("angle");
        QTest::addColumn<QStringList>("says");
        QTest::newRow("35") << "opMenší"
                            << QStringList{"below the critical angle", "Detector V", "brightest 3435 twips above the boundary",
                                           "Detector H, 750 twips above the boundary", "Detector S"};
        QTest::newRow("critical") << "opMezní"
                                  << QStringList{"the critical angle: the refracted light runs along the boundary",
                                                 "Detector V", "Detector H", "Detector S"};
        QTest::newRow("60") << "opVětší"
                            << QStringList{"total reflection", "No light reaches Detector H.", "Detector V",
                                           "Detector S"};
    }
    void statementOfARun()
    {
        QFETCH(QString, angle);
        QFETCH(QStringList, says);
        Started window;
        window.form.click(angle.toStdString());
        window.host.drawRuns = true;
        window.form.click("cmdStart");
        QVERIFY(window.form.measured().has_value());
        const QString statement =
            QString::fromStdString(window::statement(*window.form.measured(), window.numbers));
        for (const QString& words : says)
            QVERIFY2(statement.contains(words), qPrintable(words));
    }

    void refusalQuotesTheTypedText()
    {
        const PointNumbers numbers;
        const window::Refusal refusal{&window::numberField("nAlfa"), "%2 %1"};
        QCOMPARE(QString::fromStdString(window::refusalMessage(refusal, numbers)),
                 QStringLiteral("Incident angle: \u201C%2 %1\u201D is not a number.\n\n"
                                "Type a number such as 48.783, then press Start again."));
    }
};

QTEST_APPLESS_MAIN(FormTest)
#include "tst_form.moc"
