#include "Calls.h"
#include "Probe.h"

#include "app/LineControl.h"
#include "app/Twips.h"
#include "app/frmKavrona.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>
#include <qpa/qwindowsysteminterface.h>

namespace {

QString cell(const frmKavrona& window, const char* name)
{
    return window.findChild<QLineEdit*>(QString::fromUtf8(name))->text();
}

template <class T = QWidget> T* child(const frmKavrona& window, const char* name)
{
    return window.findChild<T*>(QString::fromUtf8(name));
}

// A click as the window system delivers it: queued, handled when input events are processed.
void queueClick(frmKavrona& window, QWidget* target, QPoint where)
{
    const QPointF at = target->mapTo(&window, where);
    const QPointF global = window.mapToGlobal(at);
    QWindowSystemInterface::handleMouseEvent(window.windowHandle(), at, global, Qt::LeftButton, Qt::LeftButton,
                                             QEvent::MouseButtonPress);
    QWindowSystemInterface::handleMouseEvent(window.windowHandle(), at, global, Qt::NoButton, Qt::LeftButton,
                                             QEvent::MouseButtonRelease);
}

class PaintCounter : public QObject {
public:
    explicit PaintCounter(const frmKavrona& window)
        : window_(window)
    {
    }
    int duringRun = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && window_.running())
            ++duringRun;
        return false;
    }

private:
    const frmKavrona& window_;
};

} // namespace

// The window at start-up, its option semantics, and how it behaves while a run holds the thread.
class WindowTest : public QObject {
    Q_OBJECT

private slots:
    // Clicking an option runs its handler every time; selecting it from code, only once.
    void clickingAnOptionRunsItsHandlerEachTime()
    {
        ProbeSurface probe;
        frmKavrona window({&probe, {}});
        window.show();
        auto* opMenší = child<QRadioButton>(window, "opMenší");
        QTest::mouseClick(opMenší, Qt::LeftButton, {}, QPoint(8, opMenší->height() / 2));
        QTest::mouseClick(opMenší, Qt::LeftButton, {}, QPoint(8, opMenší->height() / 2));
        QCOMPARE(probe.recording.count(Op::Line), std::size_t(3));
        QVERIFY(opMenší->isChecked());
    }

    void decimalCommaLocale()
    {
        ProbeSurface pointProbe;
        {
            frmKavrona window({&pointProbe, {}});
            window.form().cmdStart_Click();
        }
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        ProbeSurface commaProbe;
        {
            frmKavrona window({&commaProbe, {}});
            QCOMPARE(cell(window, "nIndex"), QStringLiteral("1,33"));
            window.form().cmdStart_Click();
        }
        QLocale::setDefault(QLocale::c());
        QCOMPARE(commaProbe.recording.calls.size(), pointProbe.recording.calls.size());
        for (std::size_t i = 0; i < commaProbe.recording.calls.size(); ++i) {
            const Call& a = pointProbe.recording.calls[i];
            const Call& b = commaProbe.recording.calls[i];
            QVERIFY2(a.op == b.op && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2,
                     qPrintable(QString::number(i)));
        }
    }

    // The picture grows on the screen while the run goes on, not only when it ends.
    void canvasReachesTheScreenDuringARun()
    {
        frmKavrona window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // A pace slow enough to take several frames, with pauses too short to be shown one by one.
        child<QScrollBar>(window, "HScroll1")->setValue(900);
        PaintCounter counter(window);
        child(window, "canvas")->installEventFilter(&counter);
        QTest::mouseClick(child<QPushButton>(window, "cmdStart"), Qt::LeftButton);
        QVERIFY2(counter.duringRun >= 3, qPrintable(QString::number(counter.duringRun)));
    }

    // Input made while a run holds the thread waits until the run has drawn its last step,
    // then is handled as usual, and the picture stays.
    void inputDuringARunWaitsForItsEnd_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("watched");
        QTest::addColumn<QString>("during");
        QTest::addColumn<QString>("after");
        QTest::newRow("click on an option") << "click opSklo"
                                            << "nLátka"
                                            << "Voda"
                                            << "Sklo";
        QTest::newRow("click on the scroll bar's arrow") << "click HScroll1"
                                                         << "nSpomaleni"
                                                         << "1"
                                                         << "101";
        QTest::newRow("typing into the angle") << "type nAlfa"
                                               << "nAlfa"
                                               << "35"
                                               << "355";
    }
    void inputDuringARunWaitsForItsEnd()
    {
        QFETCH(QString, action);
        QFETCH(QString, watched);
        QFETCH(QString, during);
        QFETCH(QString, after);
        ProbeSurface probe;
        frmKavrona window({&probe, {}});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        child(window, "nAlfa")->setFocus();
        QString cellLaterInRun;
        bool openLaterInRun = false;
        probe.hooks[5000] = [&] {
            const QStringList words = action.split(QLatin1Char(' '));
            if (words[0] == QLatin1String("close")) {
                QWindowSystemInterface::handleCloseEvent(window.windowHandle());
            } else if (words[0] == QLatin1String("type")) {
                QWindowSystemInterface::handleKeyEvent(window.windowHandle(), QEvent::KeyPress, Qt::Key_5,
                                                       Qt::NoModifier, QStringLiteral("5"));
                QWindowSystemInterface::handleKeyEvent(window.windowHandle(), QEvent::KeyRelease, Qt::Key_5,
                                                       Qt::NoModifier, QStringLiteral("5"));
            } else {
                QWidget* target = child(window, words[1].toUtf8().constData());
                // An option at its indicator, the scroll bar at its right arrow, a button in its middle.
                const QPoint at = words[1].startsWith(QLatin1String("op")) ? QPoint(8, target->height() / 2)
                                  : words[1] == QLatin1String("HScroll1")
                                      ? QPoint(target->width() - 4, target->height() / 2)
                                      : target->rect().center();
                queueClick(window, target, at);
            }
        };
        probe.hooks[40000] = [&] {
            cellLaterInRun = cell(window, watched.toUtf8().constData());
            openLaterInRun = window.isVisible();
        };
        window.form().cmdStart_Click();
        const QImage picture = window.canvas().image();
        QCOMPARE(cellLaterInRun, during);
        QVERIFY(openLaterInRun);
        QCOMPARE(probe.recording.count(Op::Circle), std::size_t(3 * 467));
        QTRY_COMPARE(cell(window, watched.toUtf8().constData()), after);
        QVERIFY(window.isVisible());
        QCOMPARE(window.canvas().image(), picture);
    }

    // Exit or the close button during a run stops it at its next step and closes the window;
    // a press of Start made after it never runs.
    void exitDuringARunEndsIt_data()
    {
        QTest::addColumn<QString>("request");
        QTest::newRow("click on Exit") << "cmdKonec";
        QTest::newRow("the window's close button") << "close";
    }
    void exitDuringARunEndsIt()
    {
        QFETCH(QString, request);
        ProbeSurface probe;
        frmKavrona window({&probe, {}});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // A pause long enough to be shown before, at every step.
        child<QScrollBar>(window, "HScroll1")->setValue(1000);
        probe.hooks[5000] = [&] {
            if (request == QLatin1String("close"))
                QWindowSystemInterface::handleCloseEvent(window.windowHandle());
            else
                queueClick(window, child(window, "cmdKonec"), child(window, "cmdKonec")->rect().center());
            queueClick(window, child(window, "cmdStart"), child(window, "cmdStart")->rect().center());
        };
        window.form().cmdStart_Click();
        QVERIFY(!window.isVisible());
        QVERIFY2(probe.recording.count(Op::Circle) <= 2 * 3,
                 qPrintable(QString::number(probe.recording.count(Op::Circle))));
        const std::size_t calls = probe.recording.calls.size();
        QTest::qWait(100);
        QCOMPARE(probe.recording.calls.size(), calls);
    }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
