#include "app/ProgramIcon.h"

#include <QApplication>
#include <QImageReader>
#include <QSet>
#include <QtTest>

namespace {

QSet<QRgb> coloursOf(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

constexpr QRgb grey = 0xFFC0C0C0;
constexpr QRgb lightGreen = 0xFFC0FFC0;

} // namespace

// The icon built into the program, as the window system receives it.
class IconTest : public QObject {
    Q_OBJECT

private slots:
    void iconFileHoldsThreeImages_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("colours");
        QTest::newRow("32 x 32 in 16 colours") << 0 << 32 << 16;
        QTest::newRow("16 x 16 in 16 colours") << 1 << 16 << 16;
        QTest::newRow("32 x 32 in two colours") << 2 << 32 << 2;
    }
    void iconFileHoldsThreeImages()
    {
        QFETCH(int, index);
        QFETCH(int, size);
        QFETCH(int, colours);
        QImageReader reader(QStringLiteral(":/icons/total-reflection.ico"));
        QCOMPARE(reader.imageCount(), 3);
        QVERIFY(reader.jumpToImage(index));
        const QImage image = reader.read();
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY(image.colorCount() <= colours);
        const QSet<QRgb> used = coloursOf(image);
        QVERIFY2(used.size() <= colours && used.size() > colours / 2, qPrintable(QString::number(used.size())));
        for (const QRgb colour : used)
            QCOMPARE(qAlpha(colour), 255);
    }

    // Air above a black boundary, the medium below it, in the program's own colours.
    void coloursShowAirAndMedium_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("32 x 32") << 0;
        QTest::newRow("16 x 16") << 1;
    }
    void coloursShowAirAndMedium()
    {
        QFETCH(int, index);
        QImageReader reader(QStringLiteral(":/icons/total-reflection.ico"));
        QVERIFY(reader.jumpToImage(index));
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        const int s = image.width();
        QCOMPARE(image.pixel(2, 2), grey);
        QCOMPARE(image.pixel(s / 4, s / 4), grey);
        QCOMPARE(image.pixel(s - 3, s / 2 - 1), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(s - 3, s - 3), lightGreen);
    }

    void programIconHasEveryThemeSize()
    {
        const QIcon icon = programIcon();
        QVERIFY(!icon.isNull());
        const QList<QSize> sizes = icon.availableSizes();
        for (const int size : {16, 32, 48, 64, 128, 256})
            QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
        // At 32 pixels a colour screen gets the coloured image, not the two-colour one.
        QVERIFY(coloursOf(icon.pixmap(QSize(32, 32), 1.0).toImage()).contains(lightGreen));
    }
};

QTEST_MAIN(IconTest)
#include "tst_icon.moc"
