#include "Calls.h"
#include "Probe.h"
#include "Runs.h"

#include "app/Languages.h"
#include "app/MainWindow.h"
#include "window/form/Refusal.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <cmath>

namespace {

const char* const cellNames[] = {"nLátka", "nAlfaCaption", "nAlfa", "nIndex", "nDistance", "nSpomaleni"};

QStringList cellTexts(const MainWindow& window)
{
    QStringList texts;
    for (const char* name : cellNames)
        texts << window.findChild<QLineEdit*>(QString::fromUtf8(name))->text();
    return texts;
}

void type(MainWindow& window, const QString& cell, const QString& text)
{
    typeInto(window.findChild<QLineEdit*>(cell), text);
}

// A window whose refusals fail the test at once: a message box would wait for a click that
// never comes.
WindowObservers runsOnly(surface::Surface* drawing = nullptr)
{
    return {drawing, [](const QString& cell) {
                QTest::qFail(qPrintable(QStringLiteral("Start was refused for %1").arg(cell)), __FILE__, __LINE__);
            }};
}

} // namespace

// What the user can type must never end the program, freeze it, or draw nonsense.
class FaultsTest : public QObject {
    Q_OBJECT

private slots:
    void refusalMessage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("says");
        QTest::newRow("index") << "C"
                               << "nIndex"
                               << "abc" << QStringList{"Refractive index", "\u201Cabc\u201D", "1.33"};
        QTest::newRow("index, decimal comma") << "de_DE"
                                              << "nIndex"
                                              << "1.2.3" << QStringList{"Refractive index", "1,33"};
        QTest::newRow("angle, empty") << "C"
                                      << "nAlfa"
                                      << "" << QStringList{"Incident angle", "no number", "48.783"};
        // A no-break space and an em space are blanks too, as a number's text passes over them.
        QTest::newRow("angle, Unicode blanks only") << "C"
                                                    << "nAlfa"
                                                    << "\u00A0\u2003" << QStringList{"no number"};
        QTest::newRow("angle, Czech") << "cs_CZ"
                                      << "nAlfa"
                                      << "x" << QStringList{"Incident angle", "48,783"};
        QTest::newRow("distance") << "C"
                                  << "nDistance"
                                  << "far" << QStringList{"Detector H distance", "750"};
        QTest::newRow("slowdown") << "C"
                                  << "nSpomaleni"
                                  << "slow" << QStringList{"Slowdown", "such as 1,"};
        QTest::newRow("angle beyond the range")
            << "C"
            << "nAlfa"
            << "1e308" << QStringList{"Incident angle", "\u201C1e308\u201D", "from -1000000 to 1000000"};
        // Numbers too large or too small for a double are numbers all the same: outside the range.
        for (const char* beyond : {"1e309", "-1e309", "1e-400"})
            QTest::newRow(beyond) << "C"
                                  << "nAlfa" << beyond << QStringList{"outside the range"};
        // What shows no ink is shown by its code point, where it hides in a number.
        QTest::newRow("a zero-width space after a number")
            << "C"
            << "nIndex"
            << "1.5\u200B" << QStringList{"\u201C1.5\u27E8U+200B\u27E9\u201D is not a number"};
        // A whole cell's worth, as a paste fills it: the quotation is cut short.
        QTest::newRow("a full text box") << "C"
                                         << "nIndex" << QString(32767, QLatin1Char('9'))
                                         << QStringList{QStringLiteral("\u201C") + QString(60, QLatin1Char('9')) +
                                                        QStringLiteral("\u2026\u201D")};
        QTest::newRow("longer than the box holds")
            << "C"
            << "nIndex" << QString(32768, QLatin1Char('9')) << QStringList{"longer than the box holds, 32767"};
        QTest::newRow("markup stays as typed")
            << "C"
            << "nIndex"
            << "<img src=/dev/zero>" << QStringList{"\u201C<img src=/dev/zero>\u201D"};
    }

    // Every value a run can draw is taken, up to the edge of its range, and nothing beyond.
    void ranges_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("usable");
        QTest::newRow("largest index") << "nIndex"
                                       << "1000000" << true;
        QTest::newRow("index beyond") << "nIndex"
                                      << "1000001" << false;
        QTest::newRow("most negative index") << "nIndex"
                                             << "-1000000" << true;
        QTest::newRow("index below") << "nIndex"
                                     << "-1000001" << false;
        QTest::newRow("largest angle") << "nAlfa"
                                       << "1e6" << true;
        QTest::newRow("angle beyond") << "nAlfa"
                                      << "1e308" << false;
        QTest::newRow("most negative angle") << "nAlfa"
                                             << "-1e6" << true;
        QTest::newRow("angle below") << "nAlfa"
                                     << "-1000000.5" << false;
        QTest::newRow("farthest detector") << "nDistance"
                                           << "1000000" << true;
        QTest::newRow("distance beyond") << "nDistance"
                                         << "3.5e38" << false;
        QTest::newRow("distance below") << "nDistance"
                                        << "-1000001" << false;
        QTest::newRow("slowest pace the scroll bar sets") << "nSpomaleni"
                                                          << "3276701" << true;
        QTest::newRow("slowdown beyond") << "nSpomaleni"
                                         << "1e15" << false;
        QTest::newRow("negative slowdown") << "nSpomaleni"
                                           << "-3276701" << true;
        QTest::newRow("slowdown below") << "nSpomaleni"
                                        << "-3276702" << false;
    }
    void ranges()
    {
        QFETCH(QString, cell);
        QFETCH(QString, text);
        QFETCH(bool, usable);
        const window::NumberText numbers;
        QCOMPARE(window::usableNumber(window::numberField(cell.toStdString()), text.toStdString(), numbers).has_value(),
                 usable);
    }
    void refusalMessage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, cell);
        QFETCH(QString, text);
        QFETCH(QStringList, says);
        const window::Refusal refusal{&window::numberField(cell.toStdString()), text.toStdString()};
        const QString message = QString::fromStdString(
            window::refusalMessage(refusal, window::NumberText(QLocale(locale).decimalPoint().toStdString())));
        for (const QString& words : says)
            QVERIFY2(message.contains(words), qPrintable(message));
    }

    // Start refused: nothing drawn, no cell changed, and the first cell that fails is named.
    void refusedRun_data()
    {
        QTest::addColumn<QStringList>("typed"); // cell, text, cell, text...
        QTest::addColumn<QString>("refused");
        QTest::newRow("letters") << QStringList{"nIndex", "abc"} << "nIndex";
        QTest::newRow("empty") << QStringList{"nAlfa", ""} << "nAlfa";
        QTest::newRow("two separators") << QStringList{"nIndex", "1.3.3"} << "nIndex";
        QTest::newRow("commas as group separators") << QStringList{"nIndex", "1,2,3"} << "nIndex";
        QTest::newRow("group separator") << QStringList{"nAlfa", "1,000.5"} << "nAlfa";
        QTest::newRow("infinity") << QStringList{"nAlfa", "inf"} << "nAlfa";
        QTest::newRow("not a number") << QStringList{"nIndex", "nan"} << "nIndex";
        QTest::newRow("beyond the double range") << QStringList{"nAlfa", "1e400"} << "nAlfa";
        QTest::newRow("index is checked first") << QStringList{"nAlfa", "x", "nIndex", "y"} << "nIndex";
        QTest::newRow("hidden distance") << QStringList{"nDistance", "far"} << "nDistance";
        // A paste longer than a box holds is never cut into another number: 32767 zeros and a 1.
        QTest::newRow("a paste longer than the box")
            << QStringList{"nIndex", QString(32767, QLatin1Char('0')) + "1"} << "nIndex";
        QTest::newRow("hidden slowdown") << QStringList{"nSpomaleni", "slow"} << "nSpomaleni";
    }
    void refusedRun()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, refused);
        ProbeSurface probe;
        QStringList refusals;
        MainWindow window({&probe, [&](const QString& cell) { refusals << cell; }});
        start(window);
        QVERIFY(runEnded(window));
        const QImage picture = window.canvas().image();
        for (qsizetype i = 0; i + 1 < typed.size(); i += 2)
            type(window, typed[i], typed[i + 1]);
        const QStringList before = cellTexts(window);
        const std::size_t calls = probe.recording.calls.size();
        start(window);
        QCOMPARE(refusals, QStringList{refused});
        QCOMPARE(probe.recording.calls.size(), calls);
        QCOMPARE(cellTexts(window), before);
        QCOMPARE(window.canvas().image(), picture);
    }

    // The message quotes what was typed as plain text: markup typed into a box is never read,
    // so no picture named in it is loaded from disk.
    void refusalShowsAMessageBox()
    {
        MainWindow window;
        window.show();
        const QString markup = QStringLiteral("<b>1</b><img src=/dev/zero>");
        type(window, "nIndex", markup);
        QString shown;
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                format = box->textFormat();
                box->accept();
            }
        });
        QTest::mouseClick(window.findChild<QPushButton*>("cmdStart"), Qt::LeftButton);
        QCOMPARE(format, Qt::PlainText);
        QVERIFY2(shown.contains(markup), qPrintable(shown));
        QVERIFY2(shown.contains(QLatin1String("Refractive index")), qPrintable(shown));
        QVERIFY(shown.contains(QString::fromStdString(languages::localNumbers().text(1.33))));
        QVERIFY(window.isVisible());
    }

    // Every number within the ranges runs to the end and draws the whole picture: no drawing
    // call is left out for having left the finite range. A run draws the same calls whatever
    // its numbers, but for the case's white rays, which the case "60" never draws.
    void extremeNumbersDrawTheWholePicture_data()
    {
        QTest::addColumn<QString>("index");
        QTest::addColumn<QString>("angle");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("distance");
        QTest::newRow("largest index") << "1e6"
                                       << "35"
                                       << "35"
                                       << "750";
        QTest::newRow("most negative index") << "-1e6"
                                             << "35"
                                             << "35"
                                             << "750";
        QTest::newRow("largest index, critical") << "1e6"
                                                 << "48.783"
                                                 << "Mezní"
                                                 << "750";
        QTest::newRow("largest angle") << "1.33"
                                       << "1e6"
                                       << "Mezní"
                                       << "750";
        QTest::newRow("most negative angle") << "1.33"
                                             << "-1e6"
                                             << "35"
                                             << "750";
        QTest::newRow("farthest detector") << "1.33"
                                           << "35"
                                           << "35"
                                           << "1e6";
        QTest::newRow("detector deepest below") << "1e6"
                                                << "1e6"
                                                << "Mezní"
                                                << "-1e6";
        QTest::newRow("index 0") << "0"
                                 << "35"
                                 << "35"
                                 << "750";
        QTest::newRow("negative zero angle") << "1.33"
                                             << "-0"
                                             << "35"
                                             << "750";
        QTest::newRow("grazing incidence") << "1.33"
                                           << "90"
                                           << "35"
                                           << "750";
        QTest::newRow("beyond critical while 35 is chosen") << "1.5"
                                                            << "60"
                                                            << "35"
                                                            << "750";
        QTest::newRow("tiny numbers") << "1e-320"
                                      << "1e-320"
                                      << "60"
                                      << "1e-320";
    }
    void extremeNumbersDrawTheWholePicture()
    {
        QFETCH(QString, index);
        QFETCH(QString, angle);
        QFETCH(QString, caption);
        QFETCH(QString, distance);
        surface::RecordingSurface withoutRays;
        MainWindow reference(runsOnly(&withoutRays));
        type(reference, "nAlfaCaption", "60");
        start(reference);
        QVERIFY(runEnded(reference));

        ProbeSurface probe;
        MainWindow window(runsOnly(&probe));
        type(window, "nIndex", index);
        type(window, "nAlfa", angle);
        type(window, "nAlfaCaption", caption);
        type(window, "nDistance", distance);
        start(window);
        QVERIFY(runEnded(window));
        QCOMPARE(probe.recording.count(Op::Circle), std::size_t(3 * 467));
        const std::size_t rays = probe.recording.count(Op::Line) - withoutRays.count(Op::Line);
        QVERIFY2(rays <= 2, qPrintable(QString::number(rays)));
    }

    // The pause never hangs on a count that never reaches 0 exactly.
    void oddSlowdownsEnd_data()
    {
        QTest::addColumn<QString>("slowdown");
        QTest::newRow("negative") << "-5";
        QTest::newRow("not whole") << "2.5";
        QTest::newRow("negative, not whole") << "-0.5";
        QTest::newRow("tiny") << "1e-300";
    }
    void oddSlowdownsEnd()
    {
        QFETCH(QString, slowdown);
        ProbeSurface probe;
        MainWindow window(runsOnly(&probe));
        type(window, "nSpomaleni", slowdown);
        start(window);
        QVERIFY(runEnded(window));
        QCOMPARE(probe.recording.count(Op::Circle), std::size_t(3 * 467));
    }

    // Runs keep nothing: 200 in a row leave the process's memory where it was.
    void memoryStaysFlatOver200Runs()
    {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("AddressSanitizer keeps freed memory in quarantine; its leak check covers this build");
#endif
        MainWindow window(runsOnly());
        const auto residentKiB = [] {
            QFile status(QStringLiteral("/proc/self/status"));
            if (!status.open(QIODevice::ReadOnly))
                return -1L;
            for (const QByteArray& line : status.readAll().split('\n')) {
                if (line.startsWith("VmRSS:"))
                    return line.mid(6).trimmed().split(' ').front().toLong();
            }
            return -1L;
        };
        const auto run = [&window] {
            start(window);
            return runEnded(window);
        };
        for (int k = 0; k < 20; ++k)
            QVERIFY(run());
        const long settled = residentKiB();
        for (int k = 20; k < 200; ++k)
            QVERIFY(run());
        const long after = residentKiB();
        qInfo("resident after 20 runs: %ld KiB, after 200: %ld KiB", settled, after);
        QVERIFY(settled > 0);
        QVERIFY2(after - settled < 1024, qPrintable(QStringLiteral("%1 KiB -> %2 KiB").arg(settled).arg(after)));
    }
};

QTEST_MAIN(FaultsTest)
#include "tst_faults.moc"
