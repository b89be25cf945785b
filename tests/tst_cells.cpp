#include "window/form/NumberText.h"

#include <QLocale>
#include <QtTest>

#include <cmath>

namespace {

window::NumberText numbersOf(const QString& locale)
{
    return window::NumberText(QLocale(locale).decimalPoint().toStdString());
}

// How a locale's own conversion reads a number, then the C form: finite, no group separator.
std::optional<double> localesReading(const QString& text, const QString& name)
{
    for (QLocale locale : {QLocale(name), QLocale::c()}) {
        locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
        bool ok = false;
        const double value = locale.toDouble(text, &ok);
        if (ok && std::isfinite(value))
            return value;
    }
    return std::nullopt;
}

} // namespace

// Numbers travel between handlers and runs only as text: what is written must read back
// as exactly the value written, in the user's locale, without group separators.
class CellsTest : public QObject {
    Q_OBJECT

private slots:
    void numberText_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("water index") << "C" << 1.33 << "1.33";
        QTest::newRow("glass index") << "C" << 1.5 << "1.5";
        QTest::newRow("critical angle in water") << "C" << 48.783 << "48.783";
        QTest::newRow("critical angle in glass") << "C" << 41.839 << "41.839";
        QTest::newRow("whole slowdown has no separator") << "C" << 101.0 << "101";
        QTest::newRow("largest slowdown, no group separator") << "en_US" << 3276701.0 << "3276701";
        QTest::newRow("15 significant digits") << "C" << 0.1 + 0.2 << "0.3";
        QTest::newRow("decimal comma") << "de_DE" << 1.33 << "1,33";
        QTest::newRow("decimal comma, Czech") << "cs_CZ" << 48.783 << "48,783";
        QTest::newRow("no group separator under a comma locale") << "de_DE" << 1000001.0 << "1000001";
        QTest::newRow("digits 0 to 9, Arabic separator") << "ar_EG" << 1.33 << "1\u066B33";
        QTest::newRow("digits 0 to 9, Persian") << "fa_IR" << 3276701.0 << "3276701";
        QTest::newRow("digits 0 to 9, Bengali") << "bn_BD" << 48.783 << "48.783";
    }
    void numberText()
    {
        QFETCH(QString, locale);
        QFETCH(double, value);
        QFETCH(QString, text);
        const window::NumberText numbers = numbersOf(locale);
        QCOMPARE(QString::fromStdString(numbers.text(value)), text);
        QCOMPARE(numbers.number(text.toStdString()).value_or(NAN), value);
    }

    // One reading for every front end: what a locale's own conversion makes of a text, blanks
    // around it, a sign, a decimal part or an exponent, the window reads the same, under a point
    // and a comma locale; a comma is no decimal mark under a point locale, nor a group separator
    // anywhere.
    void readsAsTheLocaleReads_data()
    {
        QTest::addColumn<QString>("text");
        for (const char* text : {"1.5",       " 1.5",
                                 "1.5 ",      "\t1.5",
                                 "\u00A01.5", "1.5\u2003",
                                 "\u200B1.5", "+1.5",
                                 "-1.5",      "\u22121.5",
                                 "1.50",      ".5",
                                 "5.",        ".",
                                 "1,5",       " 1,5",
                                 "-,5",       "1,5e2",
                                 "1e2",       "1E-2",
                                 "1e+2",      "1e",
                                 "1.5.",      "1.2.3",
                                 "1,5.3",     "\u0661.\u0665",
                                 "1 000",     "1\u00A0000,5",
                                 "1,000.5",   "0x10",
                                 "inf",       "nan",
                                 "1e400",     "1e-400",
                                 "1e-320",    "-0",
                                 "",          " ",
                                 "abc",       "1_0",
                                 "+-1",       "12345678901234567890"})
            QTest::newRow(text) << QString::fromUtf8(text);
    }
    void readsAsTheLocaleReads()
    {
        QFETCH(QString, text);
        for (const QString locale : {"C", "en_US", "de_DE", "cs_CZ"}) {
            const std::optional<double> expected = localesReading(text, locale);
            const std::optional<double> read = numbersOf(locale).number(text.toStdString());
            QVERIFY2(read.has_value() == expected.has_value(), qPrintable(locale));
            if (read)
                QCOMPARE(*read, *expected);
        }
    }
};

QTEST_GUILESS_MAIN(CellsTest)
#include "tst_cells.moc"
