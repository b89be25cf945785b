#include "Probe.h"
#include "Runs.h"

#include "app/Languages.h"
#include "app/MainWindow.h"
#include "window/formats/WholeFile.h"
#include "window/rules/Menu.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <qpa/qwindowsysteminterface.h>

namespace {

// The driver's picture of the window after the same actions.
QImage driversPicture(const QStringList& arguments)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("driver.png"));
    QProcess driver;
    driver.start(QStringLiteral(DRIVER), arguments + QStringList{"--png", file});
    driver.waitForFinished(60000);
    return QImage(file).convertToFormat(QImage::Format_RGB32);
}

// A key with Ctrl as the window system delivers it.
void pressCtrl(MainWindow& window, Qt::Key key, Qt::KeyboardModifiers more = {})
{
    const Qt::KeyboardModifiers modifiers = Qt::ControlModifier | more;
    QWindowSystemInterface::handleKeyEvent(window.windowHandle(), QEvent::KeyPress, key, modifiers);
    QWindowSystemInterface::handleKeyEvent(window.windowHandle(), QEvent::KeyRelease, key, modifiers);
}

QImage rgb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

// Pixels that differ, but for the shading of the command buttons and the scroll bar's arrows: at
// a resolution other than the screen's, the style paints those from what it drew for the screen,
// where the driver, whose whole window has that resolution, paints them afresh.
int differingPixels(const MainWindow& window, const QImage& a, const QImage& b)
{
    const qreal scale = qreal(a.width()) / window.width();
    QRegion shaded;
    for (const char* name : {"cmdStart", "cmdKonec", "HScroll1"}) {
        const QWidget* control = window.findChild<QWidget*>(QString::fromUtf8(name));
        const QRect place(control->mapTo(&window, QPoint(0, 0)), control->size());
        shaded += QRect((place.topLeft() * scale), place.size() * scale);
    }
    if (scale == window.devicePixelRatioF())
        shaded = QRegion();
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differing += a.pixel(x, y) != b.pixel(x, y) && !shaded.contains(QPoint(x, y)) ? 1 : 0;
    return differing;
}

} // namespace

// Copying and saving the picture from the window itself, with the keys a teacher presses.
class PictureTest : public QObject {
    Q_OBJECT

private slots:
    // What the window copies and saves is what the driver pictures: at the screen's resolution,
    // and at twice it, drawn afresh as the driver's --scale draws. Run at one device pixel per
    // pixel and again at two (QT_SCALE_FACTOR=2), where twice the screen's is four.
    void copiesAndSavesTheDriversPicture_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("times");
        QTest::addColumn<QStringList>("clicks");
        const QStringList run{"opSklo", "opMezní", "cmdStart"};
        QTest::newRow("Ctrl+C") << "copy" << 1 << run;
        QTest::newRow("Ctrl+S") << "save" << 1 << run;
        QTest::newRow("Ctrl+Shift+S") << "save" << 2 << run;
        QTest::newRow("Ctrl+Shift+S before any run") << "save" << 2 << QStringList{};
    }
    void copiesAndSavesTheDriversPicture()
    {
        QFETCH(QString, how);
        QFETCH(int, times);
        QFETCH(QStringList, clicks);
        QTemporaryDir dir;
        QString proposed;
        const QString file = dir.filePath(QStringLiteral("picture.png"));
        WindowObservers observers;
        observers.chooseFile = [&](const QString& name) {
            proposed = name;
            return file;
        };
        MainWindow window(observers);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QStringList driver;
        for (const QString& name : clicks) {
            window.act(window.form().click(name.toStdString()));
            driver << QStringLiteral("click") << name;
        }
        QVERIFY(runEnded(window));
        const int scale = qRound(window.devicePixelRatioF() * times);
        if (scale != 1)
            driver << QStringLiteral("--scale") << QString::number(scale);

        QImage picture;
        if (how == QLatin1String("copy")) {
            pressCtrl(window, Qt::Key_C);
            QTRY_VERIFY(!QGuiApplication::clipboard()->image().isNull());
            picture = QGuiApplication::clipboard()->image();
        } else {
            pressCtrl(window, Qt::Key_S, times == 1 ? Qt::NoModifier : Qt::ShiftModifier);
            QTRY_VERIFY(QFile::exists(file));
            picture = QImage(file);
            const QString name =
                clicks.isEmpty() ? QStringLiteral("water-35-750") : QStringLiteral("glass-critical-750");
            QVERIFY2(QFileInfo(proposed).fileName().startsWith(name), qPrintable(proposed));
        }
        const QImage expected = driversPicture(driver);
        QCOMPARE(picture.size(), expected.size());
        QCOMPARE(differingPixels(window, rgb(picture), expected), 0);
    }

    // A right click on the drawing, or on a caption lying on it, offers the window's menu table in
    // its order, their keys shown beside them, not a text box's menu.
    void contextMenuOffersTheTable_data()
    {
        QTest::addColumn<QString>("on");
        QTest::newRow("the drawing") << QString();
        QTest::newRow("Detector H's caption") << "nDetektorH";
    }
    void contextMenuOffersTheTable()
    {
        QFETCH(QString, on);
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QStringList offered;
        QTimer reader;
        connect(&reader, &QTimer::timeout, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (const QAction* action : menu->actions())
                offered << (action->isSeparator() ? QStringLiteral("|")
                                                  : action->text() + QLatin1Char(' ') + action->shortcut().toString());
            menu->close();
        });
        reader.start(10);
        const QPointF at =
            on.isEmpty() ? QPointF(400, 200) : QPointF(window.findChild<QWidget*>(on)->geometry().center());
        QWindowSystemInterface::handleMouseEvent(window.windowHandle(), at, window.mapToGlobal(at), Qt::RightButton,
                                                 Qt::RightButton, QEvent::MouseButtonPress);
        QStringList table;
        for (const window::MenuAction& row : window::menu(window::View::Desktop)) {
            if (&row != window::menu(window::View::Desktop).data() && row.group != (&row - 1)->group)
                table << QStringLiteral("|");
            table << QString::fromUtf8(row.words) + QLatin1Char(' ') + QString::fromLatin1(row.keys);
        }
        QTRY_COMPARE(offered, table);
    }

    // The readings copied (Ctrl+Shift+C) as a table with the separator the window's cells show,
    // whatever the window's language (here German), hold the numbers the driver's CSV holds; saved
    // as CSV, they are the driver's CSV, under the name of the run that measured them whatever the
    // options say since. Before any run there are no readings to hand out.
    void copiesAndSavesTheReadings_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char* locale : {"C", "en_US", "de_DE", "de_CH", "cs_CZ", "tr_TR", "fr_FR"})
            QTest::newRow(locale) << QString::fromLatin1(locale);
    }
    void copiesAndSavesTheReadings()
    {
        QFETCH(QString, locale);
        const QLocale before;
        const QLocale cells(locale);
        QLocale::setDefault(cells);
        const auto restore = qScopeGuard([&before] { QLocale::setDefault(before); });
        QGuiApplication::clipboard()->clear();
        QTemporaryDir dir;
        const QString driverFile = dir.filePath(QStringLiteral("driver.csv"));
        QProcess driver;
        driver.start(QStringLiteral(DRIVER), {"click", "cmdStart", "--readings", driverFile});
        QVERIFY(driver.waitForFinished(60000));
        QFile expected(driverFile);
        QVERIFY(expected.open(QIODevice::ReadOnly));
        const QByteArray csv = expected.readAll();

        languages::use(QStringLiteral("de"));
        const auto english = qScopeGuard([] { languages::use(QString::fromLatin1(languages::english)); });
        const QString saved = dir.filePath(QStringLiteral("window.csv"));
        QString proposed;
        WindowObservers observers;
        observers.chooseFile = [&](const QString& name) {
            proposed = name;
            return saved;
        };
        MainWindow window(observers);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QList<QAction*> actions = window.actions();
        const auto readingsAction = [&](window::Format format) {
            for (qsizetype k = 0; k < actions.size(); ++k) {
                const window::MenuAction& row = window::menu(window::View::Desktop)[std::size_t(k)];
                if (row.what == window::Handed::Readings &&
                    (row.file ? row.file->format : window::Format::Png) == format)
                    return actions[k];
            }
            return actions.front();
        };
        QVERIFY(!readingsAction(window::Format::Csv)->isEnabled());
        start(window);
        QVERIFY(runEnded(window));
        QVERIFY(readingsAction(window::Format::Csv)->isEnabled());
        pressCtrl(window, Qt::Key_C, Qt::ShiftModifier);
        QTRY_VERIFY(QGuiApplication::clipboard()->text().startsWith(QLatin1String("step\t")));
        const QStringList table = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const QStringList rows = QString::fromUtf8(csv).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(table.size(), rows.size());
        const QString separator = cells.decimalPoint();
        QVERIFY2(table[1].contains(QStringLiteral("313") + separator + QStringLiteral("9189")), qPrintable(table[1]));
        QVERIFY(window.findChild<QLineEdit*>(QStringLiteral("nIndex"))->text().contains(separator));
        for (qsizetype k = 1; k < rows.size(); ++k) {
            const QStringList pasted = table[k].split(QLatin1Char('\t'));
            const QStringList written = rows[k].split(QLatin1Char(','));
            for (qsizetype c = 0; c < written.size(); ++c)
                QVERIFY2(std::abs(cells.toDouble(pasted[c]) - written[c].toDouble()) <=
                             1e-9 * std::abs(written[c].toDouble()),
                         qPrintable(table[k]));
        }
        for (const char* option : {"opSklo", "opVětší", "opVelkáDistance"})
            window.findChild<QAbstractButton*>(QString::fromUtf8(option))->click();
        readingsAction(window::Format::Csv)->trigger();
        QCOMPARE(QFileInfo(proposed).fileName(), QStringLiteral("water-35-750.csv"));
        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), csv);
        // The next save proposes the folder of the last.
        readingsAction(window::Format::Workbook)->trigger();
        QCOMPARE(QFileInfo(proposed).absolutePath(), QFileInfo(saved).absolutePath());
        // The worksheet of the same run, a PDF under the run's name.
        actions[qsizetype(
                    std::find_if(window::menu(window::View::Desktop).begin(), window::menu(window::View::Desktop).end(),
                                 [](const window::MenuAction& row) { return row.what == window::Handed::Worksheet; }) -
                    window::menu(window::View::Desktop).begin())]
            ->trigger();
        QCOMPARE(QFileInfo(proposed).fileName(), QStringLiteral("water-35-750.pdf"));
        QFile worksheet(saved);
        QVERIFY(worksheet.open(QIODevice::ReadOnly));
        QVERIFY(worksheet.readAll().startsWith("%PDF-"));
    }

    // Keys pressed during a run wait for its end, and copy the finished picture.
    void copyDuringARunCopiesTheFinishedPicture()
    {
        QGuiApplication::clipboard()->clear();
        ProbeSurface probe;
        MainWindow window({&probe, {}});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        probe.hooks[5000] = [&] { pressCtrl(window, Qt::Key_C); };
        start(window);
        QTRY_VERIFY(!QGuiApplication::clipboard()->image().isNull());
        QCOMPARE(rgb(QGuiApplication::clipboard()->image()), rgb(window.grab().toImage()));
    }

    // On a full disk the picture is not saved, the file that was there stays whole, and the
    // message names the file and the reason. The test runs with a tiny file system of its own.
    // A picture small enough to wait in the file's buffer meets the full disk only as the file
    // is committed.
    void fullDiskKeepsTheOldFile_data()
    {
        QTest::addColumn<bool>("tiny");
        QTest::newRow("the window's picture, Ctrl+S") << false;
        QTest::newRow("a picture that fits the file's buffer") << true;
    }
    void fullDiskKeepsTheOldFile()
    {
        QFETCH(bool, tiny);
        const QString disk = qEnvironmentVariable("TR_SMALL_DISK");
        if (disk.isEmpty())
            QSKIP("needs a small file system (run by with-small-disk.sh)");
        const QString file = QDir(disk).filePath(QStringLiteral("<b>picture.png"));
        QFile filler(QDir(disk).filePath(QStringLiteral("filler")));
        filler.remove();
        QFile old(file);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        filler.close();

        if (tiny) {
            const std::optional<std::string> problem = window::writeWhole(QFile::encodeName(file).toStdString(), "png");
            QVERIFY(problem.has_value());
            QVERIFY2(problem->find("No space left") != std::string::npos, problem->c_str());
        } else {
            WindowObservers observers;
            observers.chooseFile = [&](const QString&) { return file; };
            MainWindow window(observers);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QString shown;
            Qt::TextFormat format = Qt::AutoText;
            QTimer closer;
            connect(&closer, &QTimer::timeout, [&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    shown = box->text();
                    format = box->textFormat();
                    box->accept();
                }
            });
            closer.start(10);
            pressCtrl(window, Qt::Key_S);
            QTRY_VERIFY(!shown.isEmpty());
            QCOMPARE(format, Qt::PlainText);
            QVERIFY2(shown.contains(file), qPrintable(shown));
            QVERIFY2(shown.contains(QLatin1String("No space left")), qPrintable(shown));
        }
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old"));
    }
};

QTEST_MAIN(PictureTest)
#include "tst_picture.moc"
