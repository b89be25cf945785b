#include "app/Cells.h"

#include <QtTest>

#include <cmath>

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
        QCOMPARE(cells::numberText(value, QLocale(locale)), text);
        QCOMPARE(cells::readNumber(text, QLocale(locale)).value_or(NAN), value);
    }

    void readNumber_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "C"
                               << "1.33" << true << 1.33;
        QTest::newRow("C form under a comma locale") << "de_DE"
                                                     << "1.5" << true << 1.5;
        QTest::newRow("comma under a point locale is ambiguous") << "en_US"
                                                                 << "1,5" << false << 0.0;
        QTest::newRow("group separator") << "en_US"
                                         << "1,000.5" << false << 0.0;
        QTest::newRow("group separator, comma locale") << "de_DE"
                                                       << "1.000,5" << false << 0.0;
        QTest::newRow("empty") << "C"
                               << "" << false << 0.0;
        QTest::newRow("letters") << "C"
                                 << "abc" << false << 0.0;
        QTest::newRow("two separators") << "C"
                                        << "1.2.3" << false << 0.0;
        QTest::newRow("infinity") << "C"
                                  << "inf" << false << 0.0;
        QTest::newRow("not a number") << "C"
                                      << "nan" << false << 0.0;
        QTest::newRow("beyond double range") << "C"
                                             << "1e400" << false << 0.0;
        QTest::newRow("negative zero") << "C"
                                       << "-0" << true << 0.0;
        QTest::newRow("exponent") << "C"
                                  << "1e307" << true << 1e307;
    }
    void readNumber()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(double, value);
        const std::optional<double> number = cells::readNumber(text, QLocale(locale));
        QCOMPARE(number.has_value(), accepted);
        if (accepted)
            QCOMPARE(*number, value);
    }
};

QTEST_GUILESS_MAIN(CellsTest)
#include "tst_cells.moc"
