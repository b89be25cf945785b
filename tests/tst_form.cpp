#include "Calls.h"

#include "window/form/Choices.h"
#include "window/form/Form.h"
#include "window/form/RunLink.h"
#include "window/handout/Readings.h"
#include "window/handout/Statement.h"
#include "window/handout/Workbook.h"
#include "window/rules/Focus.h"
#include "window/rules/Geometry.h"
#include "window/rules/Keys.h"

#include <QtTest>

#include <charconv>
#include <clocale>
#include <cmath>

namespace {

// The window's form at start-up, with no widgets and no application object, and what its clicks
// asked of the front end: the settings each run began with (never drawn, unless asked), the cells
// Start refused.
struct Started {
    surface::RecordingSurface drawing;
    window::NumberText numbers;
    window::Form form{drawing, numbers};
    std::vector<sim::RunSettings> runs;
    std::vector<std::string> refused;
    // Tests that read what a run measured have it drawn to its end at once.
    bool drawRuns = false;

    Started() { form.Form_Load(); }
    QString cell(const char* name) const { return QString::fromStdString(form.state().text(name)); }
    window::Clicked click(const std::string& name)
    {
        const window::Clicked clicked = form.click(name);
        if (clicked == window::Clicked::Outcome::RunBegun)
            runs.push_back(std::get<sim::RunSettings>(form.readSettings()));
        if (clicked == window::Clicked::Outcome::Refused)
            refused.push_back(clicked.refusal->field->cell);
        while (drawRuns && form.frame(window::RunLoop::Clock::duration::max()).more) {
        }
        return clicked;
    }
};

// What a window shows and has drawn: each control's text, choice, visibility and place, each
// line's ends, and every drawing call, as one text to compare.
QString standing(const Started& window)
{
    QString out;
    const window::State& state = window.form.state();
    for (const window::Control& c : window::controls()) {
        const window::Point at = state.place(c.name);
        out += QStringLiteral("%1=%2 %3%4 %5,%6\n")
                   .arg(QString::fromUtf8(c.name), QString::fromStdString(state.text(c.name)))
                   .arg(state.selected(c.name))
                   .arg(state.shown(c.name))
                   .arg(at.x)
                   .arg(at.y);
    }
    for (const window::Line& l : window::lines()) {
        const window::State::LineEnds& ends = state.line(l.name);
        out += QStringLiteral("%1 %2,%3 %4,%5\n")
                   .arg(QString::fromUtf8(l.name))
                   .arg(ends.from.x)
                   .arg(ends.from.y)
                   .arg(ends.to.x)
                   .arg(ends.to.y);
    }
    for (const surface::RecordingSurface::Call& c : window.drawing.calls)
        out +=
            QStringLiteral("%1 %2 %3 %4 %5 %6\n").arg(int(c.op)).arg(c.value).arg(c.x1).arg(c.y1).arg(c.x2).arg(c.y2);
    return out;
}

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
                window.click(words[1].toStdString());
            else if (words[0] == QLatin1String("type"))
                window.form.type(words[1].toStdString(), words[2].toStdString());
            else
                window.form.scroll(words[1].toInt());
        }
        window.click("cmdStart");
        if (!refused.isEmpty()) {
            QCOMPARE(window.refused, std::vector<std::string>{refused.toStdString()});
            QVERIFY(window.runs.empty());
            return;
        }
        QCOMPARE(window.runs.size(), std::size_t(1));
        const sim::RunSettings& s = window.runs[0];
        QCOMPARE(s.alphaDeg, alpha);
        QCOMPARE(s.slowdown, slowdown);
        const sim::RunSettings named =
            window::caseNamed(window.cell("nAlfaCaption").toStdString(), window.cell("nLátka").toStdString(),
                              window.cell("nDistance").toStdString());
        QVERIFY(s.incidence == named.incidence && s.medium == named.medium && s.track == named.track);
        QCOMPARE(s.steps, 467);
    }

    // A click says what the front end must do next; a run draws nothing until the front end takes
    // its first frame, and that frame draws: at the fastest pace the whole run, which ends in it.
    void aClickSaysWhatItDid()
    {
        using Outcome = window::Clicked::Outcome;
        Started window;
        QVERIFY(window.click("opSklo") == Outcome::Nothing);
        const std::size_t before = window.drawing.calls.size();
        QVERIFY(window.click("cmdStart") == Outcome::RunBegun);
        QCOMPARE(window.drawing.calls.size(), before);
        QVERIFY(!window.form.frame(window::RunLoop::Clock::duration::max()).more);
        QCOMPARE(window.drawing.count(Op::Circle), std::size_t(3 * sim::sweepSteps));
        window.form.type("nIndex", "x");
        const window::Clicked refused = window.click("cmdStart");
        QVERIFY(refused == Outcome::Refused);
        QCOMPARE(refused.refusal->field->cell, "nIndex");
        QVERIFY(window.click("cmdKonec") == Outcome::Closed);
    }

    // A frame whose time is up before it begins still draws, and a run stopped part of the way
    // keeps what it measured so far.
    void framesDrawAndAStoppedRunKeepsItsReadings()
    {
        Started window;
        window.click("cmdStart");
        const auto late = -std::chrono::seconds(1);
        std::size_t drawn = window.drawing.calls.size();
        for (int frame = 0; frame < 100; ++frame) {
            QVERIFY(window.form.frame(late).more);
            QVERIFY2(window.drawing.calls.size() > drawn, qPrintable(QString::number(frame)));
            drawn = window.drawing.calls.size();
        }
        window.form.Form_Unload();
        const std::optional<window::Measured>& measured = window.form.measured();
        QVERIFY(measured && !measured->whole);
        QVERIFY(!measured->readings.empty() && measured->readings.size() < std::size_t(sim::sweepSteps));
        QCOMPARE(measured->readings.back().step, int(measured->readings.size()));
    }

    // What waits for a run's end: all but moving the focus (Tab and Shift+Tab) and pressing Exit.
    void whatWaitsDuringARun_data()
    {
        using window::Input;
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("now");
        QTest::newRow("Tab") << int(Input::Kind::Key) << "nAlfa" << int(Input::Key::Tab) << true;
        QTest::newRow("Shift+Tab") << int(Input::Kind::Key) << "cmdStart" << int(Input::Key::Backtab) << true;
        QTest::newRow("Enter at Exit") << int(Input::Kind::Key) << "cmdKonec" << int(Input::Key::Press) << true;
        QTest::newRow("a click on Exit") << int(Input::Kind::Pointer) << "cmdKonec" << int(Input::Key::Other) << true;
        QTest::newRow("Enter at Start") << int(Input::Kind::Key) << "cmdStart" << int(Input::Key::Press) << false;
        QTest::newRow("a letter at Exit") << int(Input::Kind::Key) << "cmdKonec" << int(Input::Key::Other) << false;
        QTest::newRow("a click on an option")
            << int(Input::Kind::Pointer) << "opSklo" << int(Input::Key::Other) << false;
        QTest::newRow("a paste at Exit") << int(Input::Kind::Other) << "cmdKonec" << int(Input::Key::Other) << false;
    }
    void whatWaitsDuringARun()
    {
        QFETCH(int, kind);
        QFETCH(QString, control);
        QFETCH(int, key);
        QFETCH(bool, now);
        const std::string name = control.toStdString();
        const window::Input input{window::Input::Kind(kind), name, window::Input::Key(key)};
        QCOMPARE(window::duringRun(input) == window::Handling::Now, now);
    }

    // An arrow moves to the nearest option that way, those level with the one it leaves first: the
    // angle options stand on a slant, the distance options on a steeper one.
    void arrowsInAGroup_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::addColumn<QString>("to");
        QTest::newRow("35, down: the critical angle, not the farther 60 more nearly below")
            << "opMenší" << 0 << 1 << "opMezní";
        QTest::newRow("60, up") << "opVětší" << 0 << -1 << "opMezní";
        QTest::newRow("35, right: across the slant") << "opMenší" << 1 << 0 << "opMezní";
        QTest::newRow("critical, left: 60 stands level with it") << "opMezní" << -1 << 0 << "opVětší";
        QTest::newRow("water, right") << "opVoda" << 1 << 0 << "opSklo";
        QTest::newRow("glass, left") << "opSklo" << -1 << 0 << "opVoda";
        QTest::newRow("1500, down") << "opVelkáDistance" << 0 << 1 << "opStředníDistance";
        QTest::newRow("1500, right") << "opVelkáDistance" << 1 << 0 << "opStředníDistance";
        QTest::newRow("100, up") << "opMaláDistance" << 0 << -1 << "opStředníDistance";
        QTest::newRow("100, left") << "opMaláDistance" << -1 << 0 << "opStředníDistance";
        QTest::newRow("nothing above 1500") << "opVelkáDistance" << 0 << -1 << "";
        QTest::newRow("nothing left of water") << "opVoda" << -1 << 0 << "";
    }
    void arrowsInAGroup()
    {
        QFETCH(QString, from);
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(QString, to);
        const Started window;
        const window::Control* option = window::optionToward(window.form.state(), from.toStdString(), dx, dy);
        QCOMPARE(QString::fromUtf8(option ? option->name : ""), to);
    }

    // A line control's device pixels, where pixel centres fall on the pen's bounds: one on the
    // near bound is out, one on the far bound in, along the line and across it.
    void linePixelsAtTheirBounds_data()
    {
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("width");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<QList<int>>("pixels"); // left, top, width, height
        QTest::newRow("the boundary's line, 2 wide") << 5040 << 2 << 1.0 << QList<int>{193, 336, 568, 2};
        QTest::newRow("a track, 1 wide, at 2") << 6480 << 1 << 2.0 << QList<int>{385, 864, 1136, 2};
        QTest::newRow("the boundary's line at 2") << 5040 << 2 << 2.0 << QList<int>{385, 671, 1136, 4};
    }
    void linePixelsAtTheirBounds()
    {
        QFETCH(int, y);
        QFETCH(int, width);
        QFETCH(double, ratio);
        QFETCH(QList<int>, pixels);
        const window::Rect r = window::linePixels({2880, y}, {11400, y}, width, ratio);
        QCOMPARE((QList<int>{r.left, r.top, r.width, r.height}), pixels);
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
            window.click(option.toStdString());
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
        // With the focus on no control, Tab goes to the first stop and Shift+Tab to the last, the
        // one the first follows.
        const window::State& state = window.form.state();
        const window::Control* last = window::nextStop(state, "", false);
        QCOMPARE(window::nextStop(state, last->name, true), window::nextStop(state, "", true));
    }

    // A key with Ctrl, Alt or Meta held is the system's or a menu's, never the window's rule's: it
    // presses no button, moves no option and no scroll bar, and leaves the focus where it is.
    void keysWithModifiersAreLeftAlone()
    {
        Started window;
        const std::pair<const char*, const char*> keysAt[] = {{"cmdStart", "Enter"},      {"cmdStart", " "},
                                                              {"opVoda", "ArrowDown"},    {"opMenší", "ArrowUp"},
                                                              {"HScroll1", "ArrowRight"}, {"HScroll1", "End"}};
        for (const auto& [control, name] : keysAt) {
            QVERIFY(window::keyEffect(window.form.state(), control, {name}).does != window::KeyEffect::Does::Nothing);
            for (int held = 0; held < 3; ++held) {
                const window::Key key{name, false, held == 0, held == 1, held == 2};
                QVERIFY2(window::keyEffect(window.form.state(), control, key).does == window::KeyEffect::Does::Nothing,
                         qPrintable(QStringLiteral("%1 at %2, modifier %3").arg(name, control).arg(held)));
            }
        }
    }

    // The run's result in words, as the window makes it: the case follows the option, the physics
    // the direction the typed angle comes to; where the two part, both are said, and numbers are
    // written as the window writes them.
    void statementOfARun_data()
    {
        QTest::addColumn<QStringList>("actions"); // click NAME | type NAME TEXT
        QTest::addColumn<QStringList>("says");
        QTest::addColumn<QStringList>("never");
        QTest::newRow("the README's example")
            << QStringList{}
            << QStringList{"Water at 35 degrees: the angle of incidence, 35 degrees, is less than the critical angle "
                           "of about 48.8 degrees. Part of the light is reflected back into the water at 35 degrees, "
                           "and part is refracted into the air at 49.7 degrees, as Snell's law gives. Detector V, "
                           "moving down, finds the refracted light above the boundary, which left the boundary at "
                           "about 49.5 degrees (Snell's law gives 49.7)"}
            << QStringList{"The drawing"};
        QTest::newRow("critical") << QStringList{"click opMezní"}
                                  << QStringList{"is the critical angle. The refracted light runs along the boundary",
                                                 "Detector V", "Detector H", "Detector S"}
                                  << QStringList{"The drawing"};
        QTest::newRow("60") << QStringList{"click opVětší"}
                            << QStringList{"total internal reflection", "No light reaches Detector H.",
                                           "Detector S finds the reflected light"}
                            << QStringList{};
        QTest::newRow("glass, 60 typed under 35")
            << QStringList{"click opSklo", "type nAlfa 60"}
            << QStringList{"Glass at 60 degrees: the angle of incidence, 60 degrees, is greater than the critical "
                           "angle of about 41.8 degrees. All the light is reflected back into the glass",
                           "The drawing follows the option chosen and shows the case of an angle less than the "
                           "critical angle."}
            << QStringList{"is less than"};
        QTest::newRow("water, 10 typed under 60")
            << QStringList{"click opVětší", "type nAlfa 10"}
            << QStringList{"Water at 10 degrees: the angle of incidence, 10 degrees, is less than the critical angle",
                           "shows the case of an angle greater than the critical angle.",
                           "Detector H finds the refracted light"}
            << QStringList{"total internal reflection"};
        QTest::newRow("glass's index typed under water")
            << QStringList{"type nIndex 1.5", "type nAlfa 45"}
            << QStringList{"Glass at 45 degrees: the angle of incidence, 45 degrees, is greater than the critical "
                           "angle of about 41.8 degrees"}
            << QStringList{"Water at"};
        QTest::newRow("an index below the air's")
            << QStringList{"click opVětší", "type nIndex 0.9"}
            << QStringList{"A medium of refractive index 0.9 at 60 degrees: the angle of incidence is 60 degrees, and "
                           "with an index less than the air's there is no critical angle"}
            << QStringList{"total internal reflection"};
        QTest::newRow("1e-7 degrees") << QStringList{"type nAlfa 1e-7"}
                                      << QStringList{"Water at 0 degrees: the angle of incidence, 0 degrees, is less"}
                                      << QStringList{};
        QTest::newRow("-1e-7 degrees") << QStringList{"type nAlfa -1e-7"}
                                       << QStringList{"Water at 0 degrees: the angle of incidence, 0 degrees, is less"}
                                       << QStringList{};
        QTest::newRow("-0 degrees") << QStringList{"type nAlfa -0"}
                                    << QStringList{"Water at 0 degrees: the angle of incidence, 0 degrees, is less"}
                                    << QStringList{};
        // The run turns 1e6 degrees into radians with 3.14 for pi: 47 degrees from the normal, not
        // the 80 that a true 360 degrees a turn would give.
        QTest::newRow("1e6 degrees, the run's own 47")
            << QStringList{"type nAlfa 1e6"}
            << QStringList{"Water at 1000000 degrees, the same direction as 47 degrees: the angle of incidence, 47 "
                           "degrees, is less than the critical angle"}
            << QStringList{"total internal reflection"};
        QTest::newRow("-1e6 degrees") << QStringList{"type nAlfa -1e6"}
                                      << QStringList{"Water at -1000000 degrees, the same direction as -47 degrees"}
                                      << QStringList{};
    }
    void statementOfARun()
    {
        QFETCH(QStringList, actions);
        QFETCH(QStringList, says);
        QFETCH(QStringList, never);
        Started window;
        for (const QString& action : actions) {
            const QStringList words = action.split(QLatin1Char(' '));
            if (words[0] == QLatin1String("click"))
                window.click(words[1].toStdString());
            else
                window.form.type(words[1].toStdString(), words[2].toStdString());
        }
        window.drawRuns = true;
        window.click("cmdStart");
        QVERIFY(window.form.measured().has_value());
        const QString statement = QString::fromStdString(window::statement(*window.form.measured(), window.numbers));
        for (const QString& words : says)
            QVERIFY2(statement.contains(words), qPrintable(statement));
        // A run that ran to its end was not stopped; numbers are written as the window writes
        // them, with no exponent and no "-0".
        for (const QString& words : never + QStringList{"stopped"})
            QVERIFY2(!statement.contains(words), qPrintable(statement));
        QVERIFY2(!statement.contains(QRegularExpression(QStringLiteral(R"(\de[-+]?\d|(?<![\d.])-0(?![\d.]))"))),
                 qPrintable(statement));
    }

    // A file is named after the run that made what it holds, not after the options chosen since.
    void fileNamedAfterTheRun()
    {
        Started window;
        window.drawRuns = true;
        window.click("cmdStart");
        for (const char* option : {"opSklo", "opVětší", "opVelkáDistance"})
            window.click(option);
        QCOMPARE(window::fileName(window.form.measured()->settings), std::string("water-35-750"));
        QCOMPARE(window::fileName(window::caseNamed("", "", "")), std::string("other-other-other"));
    }

    // The workbook as another program reads it: openpyxl finds every reading a number equal to the
    // CSV's, and the statement on the second sheet. Both files are written where the C library
    // writes numbers with a decimal comma, as it does in a Qt program on a German desktop, where
    // such a locale is installed.
    void workbookReadByAnotherReader()
    {
        Started window;
        window.click("opSklo");
        window.click("opMezní");
        window.drawRuns = true;
        window.click("cmdStart");
        QVERIFY(window.form.measured().has_value());
        const window::Measured& measured = *window.form.measured();
        const QTemporaryDir dir;
        const auto write = [&dir](const char* name, const std::string& bytes) {
            QFile file(dir.filePath(QString::fromUtf8(name)));
            return file.open(QIODevice::WriteOnly) &&
                   file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
        };
        {
            const std::string before = std::setlocale(LC_NUMERIC, nullptr);
            const auto restore = qScopeGuard([&before] { std::setlocale(LC_NUMERIC, before.c_str()); });
            if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
                qInfo("no German locale: the files are written under the C library's decimal point");
            QVERIFY(write("readings.xlsx", window::workbook(measured, window.numbers)));
            QVERIFY(write("readings.csv", window::readingsCsv(measured)));
            QVERIFY(write("statement.txt", window::statement(measured, window.numbers)));
        }
        QProcess check;
        check.setWorkingDirectory(dir.path());
        check.setProcessChannelMode(QProcess::MergedChannels);
        check.start(QStringLiteral(PYTHON3), {QStringLiteral(WORKBOOK_CHECK), QStringLiteral("readings.xlsx"),
                                              QStringLiteral("readings.csv"), QStringLiteral("statement.txt")});
        QVERIFY(check.waitForFinished(30000));
        const QByteArray said = check.readAll();
        if (check.exitCode() == 77)
            QSKIP(said.constData());
        QVERIFY2(check.exitStatus() == QProcess::NormalExit && check.exitCode() == 0, said.constData());
    }

    // A link stands the window as the clicks and typing it names would, in a teacher's order
    // whatever the link's; what names no option or position is passed over, and what is typed is
    // only ever a box's text, which Start then reads as it reads anything typed.
    void linkStandsAsClicked_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("clicks"); // an option's name, or "box=text" typed
        QTest::addColumn<bool>("run");
        QTest::newRow("glass, 60, 100") << "?substance=glass&angle=60&distance=100"
                                        << QStringList{"opSklo", "opVětší", "opMaláDistance"} << false;
        QTest::newRow("in any order, and run") << "distance=1500&run&angle=critical&substance=glass"
                                               << QStringList{"opSklo", "opMezní", "opVelkáDistance"} << true;
        QTest::newRow("a number typed over the option")
            << "angle=50&angle=critical&index=1.6" << QStringList{"opMezní", "nAlfa=50", "nIndex=1.6"} << false;
        QTest::newRow("capitals, + and escapes")
            << "substance=Glass&angle=+4%35" << QStringList{"opSklo", "nAlfa= 45"} << false;
        QTest::newRow("markup is text") << "angle=%3Cb%3E1%3C%2Fb%3E&run" << QStringList{"nAlfa=<b>1</b>"} << true;
        QTest::newRow("no UTF-8") << "index=%FF1%E2%82" << QStringList{"nIndex=\uFFFD1\uFFFD\uFFFD"} << false;
        QTest::newRow("paces") << "pace=slower&pace=slow" << QStringList{"opPomalá"} << false;
        QTest::newRow("a position") << "pace=1234" << QStringList{"HScroll1=1234"} << false;
        QTest::newRow("what names nothing")
            << "substance=mercury&distance=101&pace=32768&pace=-1&pace=1e3&lang=xx&foo&=&&#run" << QStringList{}
            << false;
    }
    void linkStandsAsClicked()
    {
        QFETCH(QString, query);
        QFETCH(QStringList, clicks);
        QFETCH(bool, run);
        Started linked;
        QCOMPARE(window::openLink(linked.form, window::settingsOfQuery(query.toStdString())), run);
        Started clicked;
        for (const QString& c : clicks) {
            const QStringList typed = c.split(u'=');
            if (typed.size() == 1)
                clicked.click(c.toStdString());
            else if (typed[0] == QLatin1String("HScroll1"))
                clicked.form.scroll(typed[1].toInt());
            else
                clicked.form.type(typed[0].toStdString(), c.section(u'=', 1).toStdString());
        }
        QCOMPARE(standing(linked), standing(clicked));
    }

    // The link copied from a run opens that run again: over a grid of runs set by options, typed
    // angles and indices and paces, the link's window reads the same settings for Start.
    void runLinkOpensTheSameRun()
    {
        const QStringList typedAngles{"", "50", "-35.5", "48.783", "1e6"};
        int checked = 0;
        for (const char* substance : {"opVoda", "opSklo"})
            for (const char* angle : {"opMenší", "opMezní", "opVětší"})
                for (const char* distance : {"opMaláDistance", "opStředníDistance", "opVelkáDistance"})
                    for (const QString& typedAngle : typedAngles)
                        for (const char* index : {"", "1.6", "0.999999999999999999"})
                            for (const int pace : {-1, 0, 777}) {
                                Started window;
                                for (const char* option : {substance, angle, distance})
                                    window.click(option);
                                if (!typedAngle.isEmpty())
                                    window.form.type("nAlfa", typedAngle.toStdString());
                                if (*index)
                                    window.form.type("nIndex", index);
                                if (pace < 0)
                                    window.click("opPomalejší");
                                else
                                    window.form.scroll(pace);
                                const auto ran = std::get<sim::RunSettings>(window.form.readSettings());
                                const std::string query = window::queryOfRun(ran);
                                Started opened;
                                QVERIFY(window::openLink(opened.form, window::settingsOfQuery(query)));
                                const auto again = std::get<sim::RunSettings>(opened.form.readSettings());
                                const auto same = [](const sim::RunSettings& a, const sim::RunSettings& b) {
                                    return a.incidence == b.incidence && a.medium == b.medium && a.track == b.track &&
                                           a.refIndex == b.refIndex && a.alphaDeg == b.alphaDeg &&
                                           a.distanceH == b.distanceH && a.slowdown == b.slowdown;
                                };
                                QVERIFY2(same(ran, again), query.c_str());
                                ++checked;
                            }
        QCOMPARE(checked, 2 * 3 * 3 * 5 * 3 * 3);
    }

    void refusalQuotesTheTypedText()
    {
        const window::NumberText numbers;
        const window::Refusal refusal{&window::numberField("nAlfa"), "%2 %1"};
        QCOMPARE(QString::fromStdString(window::refusalMessage(refusal, numbers)),
                 QStringLiteral("Incident angle: \u201C%2 %1\u201D is not a number.\n\n"
                                "Type a number such as 48.783, then press Start again."));
    }
};

QTEST_APPLESS_MAIN(FormTest)
#include "tst_form.moc"
