#include "Runs.h"
#include "app/MainWindow.h"
#include "window/rules/Focus.h"
#include "window/rules/ScrollBar.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include <algorithm>

namespace {

// Counts what a run draws; a run draws thousands of lines.
class CountingSurface final : public surface::Surface {
public:
    int lines = 0;

    void setScaleMode(int) override {}
    void setDrawWidth(int) override {}
    void Line(int, float, float, float, float, surface::Colour) override { ++lines; }
    void Circle(float, float, float) override {}
};

template <class T = QWidget> T* child(const QWidget& window, const QString& name)
{
    return window.findChild<T*>(name);
}

// A key pressed and released as the window system delivers it, to the window with the focus.
void press(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(window.windowHandle(), key, modifiers);
}

QString focused()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

QString accessibleName(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

void showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

// Every control below the window, lines, canvas and frames included.
QList<QWidget*> controls(const QWidget& window)
{
    QList<QWidget*> all;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            all << w;
    }
    return all;
}

} // namespace

// The window from the keyboard, and as a screen reader announces it.
class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    // Tab and Shift+Tab go round the window's tab order (window/rules/Focus.h), as it stands after the
    // options chosen, back to Start.
    void tabWalk_data()
    {
        QTest::addColumn<QStringList>("choices");
        QTest::addColumn<bool>("backward");
        QTest::newRow("at start") << QStringList{} << false;
        QTest::newRow("at start, backward") << QStringList{} << true;
        QTest::newRow("glass, 60, 1500") << QStringList{"opSklo", "opVětší", "opVelkáDistance"} << false;
    }
    void tabWalk()
    {
        QFETCH(QStringList, choices);
        QFETCH(bool, backward);
        MainWindow window;
        for (const QString& option : choices)
            child<QAbstractButton>(window, option)->click();
        showActive(window);
        QCOMPARE(focused(), QStringLiteral("cmdStart"));
        QStringList walk;
        QString at = QStringLiteral("cmdStart");
        do {
            at = QString::fromUtf8(window::nextStop(window.form().state(), at.toStdString(), !backward)->name);
            walk << at;
        } while (at != QLatin1String("cmdStart"));
        QStringList visited;
        for (qsizetype i = 0; i < walk.size(); ++i) {
            press(window, backward ? Qt::Key_Backtab : Qt::Key_Tab, backward ? Qt::ShiftModifier : Qt::NoModifier);
            visited << focused();
        }
        QCOMPARE(visited, walk);
    }

    // Whatever the mouse can focus, the keyboard reaches: by Tab, or by the arrow keys within
    // an option group.
    void everyControlIsReachable()
    {
        MainWindow window;
        showActive(window);
        QSet<QString> reached;
        for (int i = 0; i < 40; ++i) {
            press(window, Qt::Key_Tab);
            reached << focused();
            if (qobject_cast<QRadioButton*>(QApplication::focusWidget())) {
                for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up}) {
                    press(window, key);
                    reached << focused();
                }
            }
        }
        for (const QWidget* w : controls(window)) {
            if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::ClickFocus))
                QVERIFY2(reached.contains(w->objectName()), qPrintable(w->objectName()));
        }
    }

    // The arrow keys select the option the window's rule says (window/rules/Focus.h), and its handler
    // runs; where the rule names none, the option keeps the focus and the selection.
    void arrowsFollowTheWindowsRule_data()
    {
        QTest::addColumn<QString>("from");
        for (const window::Control& c : window::controls()) {
            if (c.kind == window::Kind::Option && c.container != std::string_view("frmAnimace"))
                QTest::newRow(c.name) << QString::fromUtf8(c.name);
        }
    }
    void arrowsFollowTheWindowsRule()
    {
        QFETCH(QString, from);
        struct Arrow {
            Qt::Key key;
            int dx;
            int dy;
        };
        for (const Arrow arrow : {Arrow{Qt::Key_Left, -1, 0}, Arrow{Qt::Key_Right, 1, 0}, Arrow{Qt::Key_Up, 0, -1},
                                  Arrow{Qt::Key_Down, 0, 1}}) {
            MainWindow window;
            child<QAbstractButton>(window, from)->click();
            showActive(window);
            child(window, from)->setFocus(Qt::TabFocusReason);
            const window::Control* to =
                window::optionToward(window.form().state(), from.toStdString(), arrow.dx, arrow.dy);
            const QString expected = to ? QString::fromUtf8(to->name) : from;
            press(window, arrow.key);
            QCOMPARE(focused(), expected);
            QVERIFY(child<QRadioButton>(window, expected)->isChecked());
            QVERIFY(window.form().state().selected(expected.toStdString()));
        }
    }

    // The keys move the desktop's scroll bar as the window's rule says (window/rules/ScrollBar.h), up
    // towards the end: what the page's scroll bar does by the same rule.
    void scrollBarKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("name");
        QTest::newRow("left") << int(Qt::Key_Left) << "ArrowLeft";
        QTest::newRow("right") << int(Qt::Key_Right) << "ArrowRight";
        QTest::newRow("up") << int(Qt::Key_Up) << "ArrowUp";
        QTest::newRow("down") << int(Qt::Key_Down) << "ArrowDown";
        QTest::newRow("page up") << int(Qt::Key_PageUp) << "PageUp";
        QTest::newRow("page down") << int(Qt::Key_PageDown) << "PageDown";
        QTest::newRow("home") << int(Qt::Key_Home) << "Home";
        QTest::newRow("end") << int(Qt::Key_End) << "End";
    }
    void scrollBarKeys()
    {
        QFETCH(int, key);
        QFETCH(QString, name);
        MainWindow window;
        showActive(window);
        auto* bar = child<QScrollBar>(window, QStringLiteral("HScroll1"));
        bar->setValue(10000);
        bar->setFocus(Qt::TabFocusReason);
        press(window, Qt::Key(key));
        QCOMPARE(bar->value(), window::scrolled(10000, *window::keyed(name.toStdString())));
    }

    // Start and Exit take Space, as every button does, and Enter.
    void commandButtonsTakeKeys_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("runs");
        QTest::newRow("Start, Space") << "cmdStart" << int(Qt::Key_Space) << true;
        QTest::newRow("Start, Return") << "cmdStart" << int(Qt::Key_Return) << true;
        QTest::newRow("Start, keypad Enter") << "cmdStart" << int(Qt::Key_Enter) << true;
        QTest::newRow("Exit, Space") << "cmdKonec" << int(Qt::Key_Space) << false;
        QTest::newRow("Exit, Return") << "cmdKonec" << int(Qt::Key_Return) << false;
    }
    void commandButtonsTakeKeys()
    {
        QFETCH(QString, button);
        QFETCH(int, key);
        QFETCH(bool, runs);
        CountingSurface drawing;
        MainWindow window({&drawing, {}});
        showActive(window);
        child(window, button)->setFocus(Qt::TabFocusReason);
        const int before = drawing.lines;
        press(window, Qt::Key(key));
        QVERIFY(runEnded(window));
        QCOMPARE(drawing.lines - before > 10000, runs);
        QCOMPARE(window.isVisible(), runs);
    }

    void otherKeysPressNoButton()
    {
        CountingSurface drawing;
        MainWindow window({&drawing, {}});
        showActive(window);
        const int before = drawing.lines;
        for (const Qt::Key key : {Qt::Key_A, Qt::Key_Escape, Qt::Key_Delete})
            press(window, key);
        child(window, QStringLiteral("nAlfa"))->setFocus(Qt::TabFocusReason);
        press(window, Qt::Key_Return);
        QCOMPARE(drawing.lines, before);
        QVERIFY(window.isVisible());
    }

    // What a screen reader says for the controls a user works with, in the window's words.
    void accessibleNames_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("Start") << "cmdStart"
                               << "Start";
        QTest::newRow("Exit") << "cmdKonec"
                              << "Exit";
        QTest::newRow("scroll bar") << "HScroll1"
                                    << "Slowdown of the animation";
        QTest::newRow("index box") << "nIndex"
                                   << "Refractive index";
        QTest::newRow("angle box") << "nAlfa"
                                   << "Incident angle";
        QTest::newRow("water") << "opVoda"
                               << "Substance: Water";
        QTest::newRow("glass") << "opSklo"
                               << "Substance: Glass";
        QTest::newRow("35") << "opMenší"
                            << "Incident angle: 35";
        QTest::newRow("critical") << "opMezní"
                                  << "Incident angle: Critical";
        QTest::newRow("60") << "opVětší"
                            << "Incident angle: 60";
        QTest::newRow("100") << "opMaláDistance"
                             << "Detector H distance: 100";
        QTest::newRow("750") << "opStředníDistance"
                             << "Detector H distance: 750";
        QTest::newRow("1500") << "opVelkáDistance"
                              << "Detector H distance: 1500";
    }
    void accessibleNames()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        MainWindow window;
        window.show();
        QCOMPARE(accessibleName(child(window, control)), name);
    }

    // A screen reader hears the pace in words, from the fastest to the slowest.
    void paceInWords_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("words");
        QTest::newRow("fastest") << 0 << "fastest";
        QTest::newRow("half way") << 16384 << "50 percent of the way to the slowest";
        QTest::newRow("slowest") << 32767 << "slowest";
    }
    void paceInWords()
    {
        QFETCH(int, position);
        QFETCH(QString, words);
        MainWindow window;
        window.show();
        auto* bar = child<QScrollBar>(window, QStringLiteral("HScroll1"));
        bar->setValue(position);
        QCOMPARE(QAccessible::queryAccessibleInterface(bar)->text(QAccessible::Value), words);
    }

    // After a run, the drawing's description is the run's result in words.
    void drawingDescribesTheRun()
    {
        MainWindow window;
        window.show();
        child<QAbstractButton>(window, QStringLiteral("opVětší"))->click();
        child<QAbstractButton>(window, QStringLiteral("cmdStart"))->click();
        QVERIFY(runEnded(window));
        const QString description = QAccessible::queryAccessibleInterface(child(window, QStringLiteral("canvas")))
                                        ->text(QAccessible::Description);
        for (const char* words :
             {"total internal reflection", "Detector V", "No light reaches Detector H", "Detector S"})
            QVERIFY2(description.contains(QLatin1String(words)), qPrintable(description));
        // The next run's notice takes the place of the last: one says the result, the new one.
        child<QAbstractButton>(window, QStringLiteral("opMenší"))->click();
        child<QAbstractButton>(window, QStringLiteral("cmdStart"))->click();
        QVERIFY(runEnded(window));
        const QList<QWidget*> notices =
            window.findChildren<QWidget*>(QStringLiteral("resultNotice"), Qt::FindDirectChildrenOnly);
        QCOMPARE(notices.size(), 1);
        QVERIFY2(notices.front()->accessibleName().contains(QLatin1String("less than the critical angle")),
                 qPrintable(notices.front()->accessibleName()));
    }

    // Every control a user can see has a name; the ones a user works with have one each, and
    // a caption box says what it shows.
    void everyVisibleControlIsNamed()
    {
        MainWindow window;
        window.show();
        QStringList inputNames;
        for (QWidget* w : controls(window)) {
            if (!w->isVisible())
                continue;
            const QString name = accessibleName(w);
            QVERIFY2(!name.trimmed().isEmpty(), qPrintable(w->objectName()));
            const auto* box = qobject_cast<QLineEdit*>(w);
            if (box && !box->hasFrame())
                QVERIFY2(name.startsWith(box->text()), qPrintable(w->objectName()));
            if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QScrollBar*>(w) || (box && box->hasFrame()))
                inputNames << name;
        }
        QCOMPARE(inputNames.size(), 2 + 2 + 3 + 3 + 1 + 2);
        QCOMPARE(QSet<QString>(inputNames.begin(), inputNames.end()).size(), inputNames.size());
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
