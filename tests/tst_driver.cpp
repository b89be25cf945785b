#include "reference/ReferenceSweep.h"
#include "reference/StartupSettings.h"
#include "surface/RecordingSurface.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>

namespace {

bool near(double actual, double expected, double tolerance)
{
    return std::abs(actual - expected) <= tolerance;
}

struct Result {
    int exitCode{-1};
    QStringList lines;
    QString output;
    QString errors;
};

Result drive(const QStringList& arguments, const QString& locale = QStringLiteral("C.UTF-8"),
             const QStringList& variables = {}, const QString& program = QStringLiteral(DRIVER))
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), locale);
    // The window's words follow the desktop's language; the driver's never do.
    environment.remove(QStringLiteral("LANGUAGE"));
    for (const QString& variable : variables)
        environment.insert(variable.section(QLatin1Char('='), 0, 0), variable.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(60000);
    Result result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = QString::fromUtf8(process.readAllStandardOutput());
    result.lines = result.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    result.errors = QString::fromUtf8(process.readAllStandardError());
    return result;
}

const QStringList startupState = {
    "Cell nLátka Voda",
    "Cell nAlfaCaption 35",
    "Cell nAlfa 35",
    "Cell nIndex 1.33",
    "Cell nDistance 750",
    "Cell nSpomaleni 1",
    "Shown nVoda 1",
    "Shown nSklo 0",
    "Line1 2880 4280 11400 4280 1",
    "Place nDetektorH 5800 4400",
    "Selected opRychlá",
    "Selected opStředníDistance",
    "Selected opVoda",
    "Selected opMenší",
};

// The numbers of a trace line: "Line F X1 Y1 X2 Y2 C" gives F X1 Y1 X2 Y2.
QList<double> numbers(const QString& line)
{
    QList<double> values;
    const QStringList words = line.split(QLatin1Char(' '));
    for (qsizetype i = 1; i < words.size() && !words[i].startsWith(QLatin1String("0x")); ++i)
        values << words[i].toDouble();
    return values;
}

} // namespace

// The headless driver, as the project's other tools and a teacher's scripts use it.
class DriverTest : public QObject {
    Q_OBJECT

private slots:
    void noActionPrintsTheDashAndTheStartupState()
    {
        const Result r = drive({});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.lines.size(), startupState.size() + 1);
        const QList<double> dash = numbers(r.lines[0]);
        QVERIFY(r.lines[0].startsWith(QLatin1String("Line 4 770 7440 ")));
        QVERIFY(r.lines[0].endsWith(QLatin1String(" 7440 0x000000")));
        QCOMPARE(std::abs(dash[3] - 712.67) < 0.01, true);
        QCOMPARE(r.lines.mid(1), startupState);
    }

    void startPrintsTheSceneWithItsWorkedValues()
    {
        const Result r = drive({"click", "cmdStart"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.lines[1], QStringLiteral("ScaleMode 1"));
        QCOMPARE(r.lines[2], QStringLiteral("Line 6 1 2 12000 1 0xC0C0C0"));
        QCOMPARE(r.lines[9002], QStringLiteral("Line 6 2650 5001 11500 5001 0xC0FFC0"));
        QCOMPARE(r.lines[11502], QStringLiteral("DrawWidth 2"));
        QCOMPARE(r.lines[11503], QStringLiteral("Line 4 2650 5000 11500 5000 0x000000"));
        const int beam = 11511; // the stroke of the first pass
        const QList<double> stroke = numbers(r.lines[beam]);
        const QList<double> ray0 = numbers(r.lines[beam + 1]);
        const QList<double> ray1000 = numbers(r.lines[beam + 2001]);
        QVERIFY(std::abs(stroke[3] - 3334.9) < 0.05 && std::abs(stroke[4] - 5335.7) < 0.05);
        QVERIFY(std::abs(ray0[3] - 2813.3) < 0.05 && std::abs(ray0[4] - 5409.7) < 0.05);
        QVERIFY(std::abs(ray1000[3] - 3484.6) < 0.05 && std::abs(ray1000[4] - 5879.4) < 0.05);
        QCOMPARE(r.lines[beam + 2002], QStringLiteral("DrawWidth 2"));
        const QList<double> edge0 = numbers(r.lines[beam + 2003]);
        const QList<double> edge1 = numbers(r.lines[beam + 2004]);
        QVERIFY(r.lines[beam + 2003].endsWith(QLatin1String("0xFFFFFF")));
        QVERIFY(std::abs(edge0[3] - 3961.0) < 0.05 && std::abs(edge0[4] - 6230.4) < 0.05);
        QVERIFY(std::abs(edge1[3] - 4961.0) < 0.05 && std::abs(edge1[4] - 6230.4) < 0.05);
        QCOMPARE(r.lines.mid(r.lines.size() - startupState.size()), startupState);
    }

    void actions_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("scroll to 5") << QStringList{"scroll", "5"} << QStringList{"Cell nSpomaleni 501"};
        QTest::newRow("scroll to the bar's end")
            << QStringList{"scroll", "32767"} << QStringList{"Cell nSpomaleni 3276701"};
        QTest::newRow("scroll to 0 changes nothing") << QStringList{"scroll", "0"} << QStringList{"Cell nSpomaleni 1"};
        QTest::newRow("the hidden slower option")
            << QStringList{"click", "opPomalejší"} << QStringList{"Cell nSpomaleni 500000", "Selected opPomalejší"};
        QTest::newRow("the hidden slow option")
            << QStringList{"click", "opPomalá"} << QStringList{"Cell nSpomaleni 1000000", "Selected opPomalá"};
        QTest::newRow("glass") << QStringList{"click", "opSklo"}
                               << QStringList{"Cell nLátka Sklo", "Cell nIndex 1.5", "Shown nSklo 1"};
        QTest::newRow("typed text stays") << QStringList{"type", "nAlfa", "47,5 ü"} << QStringList{"Cell nAlfa 47,5 ü"};
        QTest::newRow("critical after glass")
            << QStringList{"click", "opSklo", "click", "opMezní"}
            << QStringList{"Cell nAlfaCaption Mezní", "Cell nAlfa 41.839", "Cell nIndex 1.5", "Selected opMezní"};
        QTest::newRow("large distance") << QStringList{"click", "opVelkáDistance"}
                                        << QStringList{"Line1 2880 3530 11400 3530 1", "Place nDetektorH 5800 3700",
                                                       "Cell nDistance 1500"};
    }
    void actions()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, expected);
        const Result r = drive(arguments);
        QCOMPARE(r.exitCode, 0);
        for (const QString& line : expected)
            QVERIFY2(r.lines.contains(line), qPrintable(line));
    }

    // No box headless: the refusal stands in the trace where the run would have been.
    void refusedRunsAreTraced_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("refused");
        QTest::newRow("letters in the index") << QStringList{"type", "nIndex", "abc", "click", "cmdStart"} << "nIndex";
        QTest::newRow("empty angle") << QStringList{"type", "nAlfa", "", "click", "cmdStart"} << "nAlfa";
        QTest::newRow("comma under a decimal-point locale")
            << QStringList{"type", "nAlfa", "1,5", "click", "cmdStart"} << "nAlfa";
        QTest::newRow("an angle that overflows")
            << QStringList{"type", "nAlfa", "1e308", "click", "cmdStart"} << "nAlfa";
        QTest::newRow("an index that overflows")
            << QStringList{"type", "nIndex", "1e308", "click", "cmdStart"} << "nIndex";
        QTest::newRow("a distance beyond single precision")
            << QStringList{"type", "nDistance", "3.5e38", "click", "cmdStart"} << "nDistance";
        QTest::newRow("a pause that would never end")
            << QStringList{"type", "nSpomaleni", "1e15", "click", "cmdStart"} << "nSpomaleni";
    }
    void refusedRunsAreTraced()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, refused);
        // The next action still happens: a second Start after mending the cell runs.
        const Result r = drive(arguments + QStringList{"click", "opVoda", "type", "nAlfa", "35", "click",
                                                       "opStředníDistance", "click", "opRychlá", "click", "cmdStart"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.lines[1], QStringLiteral("Refused ") + refused);
        QCOMPARE(r.lines[2], QStringLiteral("ScaleMode 1"));
    }

    void exitEndsTheProgram()
    {
        const Result r = drive({"click", "cmdKonec", "click", "cmdStart"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.lines.size(), 1); // the dash of start-up, then nothing
    }

    // A picture asked for but never made is a failure, and says why.
    void exitBeforeAPictureFails()
    {
        const QString file = QDir::temp().filePath(QStringLiteral("tst_driver_exit.png"));
        QFile::remove(file);
        const Result r = drive({"click", "cmdKonec", "--png", file});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.errors.contains(QLatin1String("Exit")), qPrintable(r.errors));
        QVERIFY(!QFile::exists(file));
    }

    // A line break typed into a cell stays within its cell's line of the trace.
    void controlCharactersAreEscapedInTheTrace()
    {
        const Result r = drive({"type", "nAlfa", "35\nSelected opSklo\t\x01\x7F"});
        QVERIFY(r.lines.contains(QStringLiteral("Cell nAlfa 35\\nSelected opSklo\\t\\u0001\\u007f")));
        QVERIFY(!r.lines.contains(QStringLiteral("Selected opSklo")));
    }

    void malformedCommandLines_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("program");
        const QString driver = QStringLiteral(DRIVER);
        const QString window = QStringLiteral(PROGRAM);
        QTest::newRow("unknown action") << QStringList{"press", "cmdStart"} << driver;
        QTest::newRow("click without a name") << QStringList{"click"} << driver;
        QTest::newRow("click on no such control") << QStringList{"click", "cmdNothing"} << driver;
        QTest::newRow("click on a text box") << QStringList{"click", "nAlfa"} << driver;
        QTest::newRow("type without text") << QStringList{"type", "nAlfa"} << driver;
        QTest::newRow("type into a button") << QStringList{"type", "cmdStart", "1"} << driver;
        QTest::newRow("scroll beyond 16 bits") << QStringList{"scroll", "32768"} << driver;
        QTest::newRow("scroll below 0") << QStringList{"scroll", "-1"} << driver;
        QTest::newRow("scroll by a word") << QStringList{"scroll", "far"} << driver;
        QTest::newRow("png without a file") << QStringList{"--png"} << driver;
        QTest::newRow("png with an empty name") << QStringList{"--png", ""} << driver;
        QTest::newRow("readings without a file") << QStringList{"--readings"} << driver;
        QTest::newRow("scale without a number") << QStringList{"--png", "x.png", "--scale"} << driver;
        QTest::newRow("scale 0") << QStringList{"--scale", "0", "--png", "x.png"} << driver;
        QTest::newRow("scale 5") << QStringList{"--scale", "5", "--png", "x.png"} << driver;
        QTest::newRow("scale just over 4") << QStringList{"--scale", "4.01", "--png", "x.png"} << driver;
        QTest::newRow("scale not a number") << QStringList{"--scale", "nan", "--png", "x.png"} << driver;
        QTest::newRow("scale by a word") << QStringList{"--scale", "two", "--png", "x.png"} << driver;
        QTest::newRow("lang without a code") << QStringList{"--png", "x.png", "--lang"} << driver;
        QTest::newRow("lang the window does not speak") << QStringList{"--lang", "la", "--png", "x.png"} << driver;
        QTest::newRow("window: unknown option") << QStringList{"--frobnicate"} << window;
        QTest::newRow("window: an argument") << QStringList{"run"} << window;
        QTest::newRow("window: a value given to --help") << QStringList{"--help=all"} << window;
    }
    // The problem, then the same usage that --help prints, on standard error alone.
    void malformedCommandLines()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, program);
        const Result r = drive(arguments, QStringLiteral("C.UTF-8"), {}, program);
        const Result help = drive({"--help"}, QStringLiteral("C.UTF-8"), {}, program);
        QCOMPARE(r.exitCode, 2);
        // Qt may say something of the system first.
        const QString problem = QLatin1Char('\n') + QFileInfo(program).fileName() + QLatin1String(": ");
        QVERIFY2((QLatin1Char('\n') + r.errors).contains(problem), qPrintable(r.errors));
        QVERIFY(help.output.startsWith(QLatin1String("Usage: ")));
        QVERIFY2(r.errors.endsWith(help.output), qPrintable(r.errors));
        QVERIFY(r.lines.isEmpty());
    }

    // Both programs from a shell: help and the version on standard output, and status 0. The
    // window's line is read after Qt has taken its own options, and needs no display for them.
    void answersHelpAndVersion_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("listed");
        const QString driver = QStringLiteral(DRIVER);
        const QString window = QStringLiteral(PROGRAM);
        const QString driverUsage = QStringLiteral("Usage: total-reflection-driver [OPTION]... [ACTION]...");
        const QString windowUsage = QStringLiteral("Usage: " PROGRAM " [options]");
        const QString driverVersion = QStringLiteral("total-reflection-driver " VERSION);
        const QString windowVersion = QStringLiteral("total-reflection " VERSION);
        const QStringList none;
        QTest::newRow("driver --help") << driver << QStringList{"--help"} << none << driverUsage << "  --lang CODE ";
        QTest::newRow("driver -h") << driver << QStringList{"-h"} << none << driverUsage << "  scroll N ";
        QTest::newRow("driver help after an action")
            << driver << QStringList{"click", "cmdStart", "--help"} << none << driverUsage << "  -v, --version ";
        QTest::newRow("driver --version") << driver << QStringList{"--version"} << none << driverVersion << "";
        QTest::newRow("driver -v") << driver << QStringList{"--png", "x.png", "-v"} << none << driverVersion << "";
        QTest::newRow("window --help") << window << QStringList{"--help"} << none << windowUsage << "  --help-all ";
        QTest::newRow("window -h") << window << QStringList{"-h"} << none << windowUsage << "  -v, --version ";
        QTest::newRow("window --help-all lists Qt's options")
            << window << QStringList{"--help-all"} << none << windowUsage << "  --platform ";
        QTest::newRow("window --version") << window << QStringList{"--version"} << none << windowVersion << "";
        QTest::newRow("window -v after Qt's options")
            << window << QStringList{"-platform", "offscreen", "-reverse", "-style", "fusion", "-v"} << none
            << windowVersion << "";
        QTest::newRow("window --help without a display")
            << window << QStringList{"--help"} << QStringList{"QT_QPA_PLATFORM=xcb", "DISPLAY=", "WAYLAND_DISPLAY="}
            << windowUsage << "";
    }
    void answersHelpAndVersion()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, variables);
        QFETCH(QString, first);
        QFETCH(QString, listed);
        const Result r = drive(arguments, QStringLiteral("C.UTF-8"), variables, program);
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(!r.lines.isEmpty(), qPrintable(r.errors));
        QCOMPARE(r.lines.first(), first);
        if (!listed.isEmpty())
            QVERIFY2(std::any_of(r.lines.begin(), r.lines.end(),
                                 [&](const QString& line) { return line.startsWith(listed); }),
                     qPrintable(r.output));
        QVERIFY(!r.errors.contains(QLatin1String("Usage")));
    }

    void decimalCommaLocaleRunsTheSameTrace()
    {
        const Result point = drive({"click", "cmdStart"});
        const Result comma = drive({"click", "cmdStart"}, QStringLiteral("de_DE.UTF-8"));
        QVERIFY(comma.lines.contains(QStringLiteral("Cell nIndex 1,33")));
        QCOMPARE(comma.lines.size(), point.lines.size());
        const qsizetype trace = point.lines.size() - startupState.size();
        QCOMPARE(comma.lines.mid(0, trace), point.lines.mid(0, trace));
    }

    // --lang changes the captions in the picture and nothing in the trace; the desktop's
    // language changes neither.
    void languageChangesOnlyThePicture_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& code : QStringLiteral(LANGUAGES).split(QLatin1Char(',')))
            QTest::newRow(qPrintable(code)) << code;
    }
    void languageChangesOnlyThePicture()
    {
        QFETCH(QString, language);
        const QTemporaryDir dir;
        const QString english = dir.filePath(QStringLiteral("en.png"));
        const QString desktop = dir.filePath(QStringLiteral("desktop.png"));
        const QString translated = dir.filePath(QStringLiteral("translated.png"));
        const QStringList run{"type", "nAlfa", "x", "click", "cmdStart", "type", "nAlfa", "35", "click", "cmdStart"};
        const Result inEnglish = drive(run + QStringList{"--png", english});
        const Result underDesktop =
            drive(run + QStringList{"--png", desktop}, QStringLiteral("C.UTF-8"), {"LANGUAGE=" + language});
        const Result inLanguage = drive(QStringList{"--lang", language} + run + QStringList{"--png", translated});
        QCOMPARE(inLanguage.exitCode, 0);
        QVERIFY(inEnglish.lines.contains(QStringLiteral("Refused nAlfa")));
        QCOMPARE(inLanguage.lines, inEnglish.lines);
        QCOMPARE(underDesktop.lines, inEnglish.lines);
        QCOMPARE(QImage(desktop), QImage(english));
        QVERIFY(QImage(translated) != QImage(english));
    }

    // Only --scale sizes the picture; a scale left in the environment does not.
    void savesAPictureOfTheWindow()
    {
        const QString file = QDir::temp().filePath(QStringLiteral("tst_driver_picture.png"));
        QFile::remove(file);
        const Result r = drive({"--png", file}, QStringLiteral("C.UTF-8"), {"QT_SCREEN_SCALE_FACTORS=1.5"});
        QCOMPARE(r.exitCode, 0);
        const QImage picture(file);
        QCOMPARE(picture.size(), QSize(763, 575));
        QFile::remove(file);
    }

    // On a full disk the picture is not written, the file that was there stays whole, and the
    // driver says so. The disk is a tiny file system of a private mount namespace.
    void fullDiskKeepsTheOldPicture()
    {
        const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
        if (unshare.isEmpty())
            QSKIP("needs unshare");
        // A container may forbid namespaces of one's own.
        if (QProcess::execute(unshare, {"-rm", "true"}) != 0)
            QSKIP("cannot make a mount namespace here");
        QTemporaryDir dir;
        const QString script = QStringLiteral("mount -t tmpfs -o size=64k tmpfs \"$DIR\" || exit 77\n"
                                              "printf old > \"$DIR/picture.png\"\n"
                                              "cat /dev/zero > \"$DIR/filler\" 2>/dev/null\n"
                                              "\"$@\"; status=$?\n"
                                              "printf '\\nold file: %s\\n' \"$(cat \"$DIR/picture.png\")\"\n"
                                              "exit $status\n");
        const Result r = drive({"-rm", "sh", "-c", script, "sh", QStringLiteral(DRIVER), "click", "cmdStart", "--png",
                                dir.filePath(QStringLiteral("picture.png"))},
                               QStringLiteral("C.UTF-8"), {QStringLiteral("DIR=") + dir.path()}, unshare);
        if (r.exitCode == 77)
            QSKIP("cannot mount a file system here");
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.errors.contains(QLatin1String("cannot write")), qPrintable(r.errors));
        QCOMPARE(r.lines.last(), QStringLiteral("old file: old"));
    }

    // The readings of the start-up run, as a spreadsheet reads them: a header, a row a step, the
    // worked values, and every reading the straightforward sweep's within 1e-5; with no run, the
    // header alone.
    // The worksheet as a reader that is not ours reads it: at least two pages, the run's numbers
    // in the language's own writing, Snell's law, and the run's result in words whole, every
    // letter of it, on the answer key's page and not on the first; no run, no worksheet.
    void worksheetReadByAnotherReader_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("index");
        QTest::newRow("en") << "en"
                            << "1.5";
        QTest::newRow("cs") << "cs"
                            << "1,5";
        QTest::newRow("de") << "de"
                            << "1,5";
    }
    void worksheetReadByAnotherReader()
    {
        QFETCH(QString, language);
        QFETCH(QString, index);
        const QTemporaryDir dir;
        const QString sheet = dir.filePath(QStringLiteral("sheet.pdf"));
        const QString words = dir.filePath(QStringLiteral("words.txt"));
        const QStringList run{"--lang", language, "click", "opSklo", "click", "cmdStart"};
        QCOMPARE(drive(run + QStringList{"--worksheet", sheet, "--statement", words}).exitCode, 0);
        QProcess reader;
        reader.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), sheet, "-"});
        if (!reader.waitForStarted())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QVERIFY(reader.waitForFinished(60000));
        const auto flat = [](const QString& text) { return text.simplified(); };
        const QStringList pages =
            QString::fromUtf8(reader.readAllStandardOutput()).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QVERIFY2(pages.size() >= 2, qPrintable(QString::number(pages.size())));
        QFile said(words);
        QVERIFY(said.open(QIODevice::ReadOnly));
        const QString statement = flat(QString::fromUtf8(said.readAll()));
        QVERIFY(!statement.isEmpty());
        QVERIFY2(flat(pages.last()).contains(statement) && !flat(pages.first()).contains(statement),
                 qPrintable(pages.last()));
        QVERIFY(flat(pages.first()).contains(index));
        QVERIFY(pages.join(QString()).contains(QLatin1String("Snell")));

        const QString none = dir.filePath(QStringLiteral("none.pdf"));
        const Result refused = drive({"--lang", language, "--worksheet", none});
        QCOMPARE(refused.exitCode, 1);
        QVERIFY2(refused.errors.contains(none) && !QFile::exists(none), qPrintable(refused.errors));
    }

    void readingsOfARun_data()
    {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<int>("rows");
        QTest::newRow("the start-up run") << QStringList{"click", "cmdStart"} << 467;
        QTest::newRow("no run") << QStringList{} << 0;
    }
    void readingsOfARun()
    {
        QFETCH(QStringList, actions);
        QFETCH(int, rows);
        const QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("readings.csv"));
        QCOMPARE(drive(actions + QStringList{"--readings", file}).exitCode, 0);
        QFile csv(file);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(csv.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.value(0), QStringLiteral("step,y_V,reading_V,x_H,reading_H,x_S,reading_S"));
        QCOMPARE(lines.size(), rows + 1);
        if (rows == 0)
            return;
        const auto row = [&lines](int step) {
            QList<double> values;
            for (const QString& word : lines[step].split(QLatin1Char(',')))
                values << word.toDouble();
            return values;
        };
        QVERIFY(near(row(1)[2], 313.92, 0.01) && near(row(1)[4], 1.1499, 0.0001));
        QCOMPARE(row(72)[1], 1565.0);
        QVERIFY(near(row(72)[2], 338940.1, 0.1));

        const sim::RunSettings settings = reference::startupSettings();
        surface::RecordingSurface ignored;
        sim::Plotter plot(ignored);
        const sim::CaseParameters parameters = sim::drawCase(settings, sim::drawScene(settings, plot), plot);
        reference::NoDrawing none;
        const std::vector<reference::StepTips> tips = reference::sweep(settings, parameters, none);
        QCOMPARE(int(tips.size()), rows);
        const auto same = [](double program, double reference) {
            return std::abs(program - reference) <= 1e-5 * std::abs(reference) + 1e-9;
        };
        for (int k = 0; k < rows; ++k) {
            const QList<double> r = row(k + 1);
            const double y = 500 + 15 * k;
            const double x = 3000 + 10 * k;
            const double v = reference::squaredDistance(tips[k].v, {sim::xSpiralV, y});
            const double h = reference::squaredDistance(tips[k].h, {x, sim::yBoundary - settings.distanceH});
            const double s =
                reference::squaredDistance(tips[k].s, {x, sim::yBoundary + sim::depthS + sim::spiralDropS});
            QVERIFY2(same(r[2], v) && same(r[4], h) && same(r[6], s), qPrintable(lines[k + 1]));
        }
    }

    // A laptop's or a projector's scaling: the picture is the window at that many device pixels
    // per pixel, rounded to whole pixels.
    void fractionalScale_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::addColumn<QSize>("size");
        QTest::newRow("1.25") << QStringLiteral("1.25") << QSize(954, 719);
        QTest::newRow("3.5, halves rounded up") << QStringLiteral("3.5") << QSize(2671, 2013);
    }
    void fractionalScale()
    {
        QFETCH(QString, scale);
        QFETCH(QSize, size);
        const QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("picture.png"));
        QCOMPARE(drive({"click", "cmdStart", "--png", file, "--scale", scale}).exitCode, 0);
        QCOMPARE(QImage(file).size(), size);
    }

    // A scaled picture is drawn at its own resolution: a one-pixel pen covers K device pixels
    // with hard edges, and the run's drawing holds detail finer than K x K blocks, which an
    // enlarged picture, or a canvas drawn at one pixel per pixel and enlarged, would not.
    void scaledPictureIsDrawnAtItsResolution_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<QSize>("size");
        QTest::newRow("1") << 1 << QSize(763, 575);
        QTest::newRow("2") << 2 << QSize(1526, 1150);
        QTest::newRow("4") << 4 << QSize(3052, 2300);
    }
    void scaledPictureIsDrawnAtItsResolution()
    {
        QFETCH(int, scale);
        QFETCH(QSize, size);
        const QString file = QDir::temp().filePath(QStringLiteral("tst_driver_scale_%1.png").arg(scale));
        QFile::remove(file);
        const Result r = drive({"click", "cmdStart", "--png", file, "--scale", QString::number(scale)});
        QCOMPARE(r.exitCode, 0);
        const QImage picture = QImage(file).convertToFormat(QImage::Format_RGB32);
        QFile::remove(file);
        QCOMPARE(picture.size(), size);

        // A column through Detector H's track (y 4250, drawn by the run, pen width 1) and Line1
        // (y 4280, a line control) at x 11000, where no pattern, spiral or label lies.
        const int x = 11000 * scale / 15;
        QList<int> runs;
        int run = 0;
        for (int y = 4100 * scale / 15; y < 4400 * scale / 15; ++y) {
            const QRgb pixel = picture.pixel(x, y) & 0xFFFFFF;
            QVERIFY2(pixel == 0x000000 || pixel == 0xC0C0C0, qPrintable(QString::number(pixel, 16)));
            if (pixel == 0x000000) {
                ++run;
            } else if (run) {
                runs << run;
                run = 0;
            }
        }
        QCOMPARE(runs, (QList<int>{scale, scale}));

        // In the air, where only the run draws (rays and Detector H's pattern), no label.
        int finerThanBlocks = 0;
        for (int y = 1700 * scale / 15; y + scale <= 3700 * scale / 15; y += scale) {
            for (int x0 = 3300 * scale / 15; x0 + scale <= 7200 * scale / 15; x0 += scale) {
                const QRgb corner = picture.pixel(x0, y);
                bool uniform = true;
                for (int dy = 0; dy < scale && uniform; ++dy)
                    for (int dx = 0; dx < scale && uniform; ++dx)
                        uniform = picture.pixel(x0 + dx, y + dy) == corner;
                finerThanBlocks += uniform ? 0 : 1;
            }
        }
        if (scale > 1)
            QVERIFY2(finerThanBlocks > 100, qPrintable(QString::number(finerThanBlocks)));
    }
};

QTEST_GUILESS_MAIN(DriverTest)
#include "tst_driver.moc"
