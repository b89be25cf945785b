#include "Captions.h"

#include "app/LineControl.h"
#include "app/MainWindow.h"
#include "app/Twips.h"
#include "window/rules/Geometry.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include <algorithm>

namespace {

// The window as designed, one row per control in the order the window creates them.
struct Row {
    const char* name;
    const char* kind;
    const char* container;
    const char* text;
    QRect twips;
    const char* font; // "" for the window's default font
    double points;
    const char* back;  // grey, green, default, none
    const char* fore;  // black, buttontext, default, none
    const char* other; // left, centred, right; "hidden"
    int tab;
};

// clang-format off
const Row rows[] = {
    {"nAir", "text", "", "Air", {3480, 1200, 615, 375}, "Times New Roman", 14.25, "grey", "default", "", 35},
    {"HScroll1", "scroll", "", "", {4200, 360, 2415, 255}, "", 0, "none", "none", "", 34},
    {"frmAnimace", "frame", "", "Animace", {480, 6600, 1335, 1095}, "MS Sans Serif", 8.25, "grey", "black", "hidden", 30},
    {"opPomalá", "option", "frmAnimace", "Pomalá", {120, 720, 975, 255}, "", 0, "grey", "default", "", 33},
    {"opPomalejší", "option", "frmAnimace", "Pomalejší", {120, 480, 1095, 255}, "", 0, "grey", "default", "", 32},
    {"opRychlá", "option", "frmAnimace", "Rychlá", {120, 240, 855, 255}, "", 0, "grey", "default", "", 31},
    {"nSpomaleni", "text", "", "", {5040, 720, 855, 375}, "", 0, "default", "default", "hidden", 29},
    {"nCornuLatka", "text", "", "Cornu spirals", {3240, 6600, 1815, 330}, "Times New Roman", 12, "green", "buttontext", "", 28},
    {"nVoda", "text", "", "Water", {8160, 5280, 855, 285}, "Times New Roman", 14.25, "green", "buttontext", "centred", 27},
    {"nSklo", "text", "", "Glass", {8160, 5280, 855, 285}, "Times New Roman", 14.25, "green", "buttontext", "centred", 26},
    {"cmdKonec", "command", "", "Exit", {8040, 0, 1215, 375}, "Times New Roman", 18, "grey", "none", "", 24},
    {"nPravd2podobnost", "text", "", "Interference pattern", {7440, 960, 2055, 285}, "Times New Roman", 12, "grey", "black", "right", 23},
    {"nCornuovySpirály", "text", "", "Cornu spirals", {8280, 600, 1455, 255}, "Times New Roman", 12, "grey", "buttontext", "right", 22},
    {"nDetektorV", "text", "", "Detector V", {5880, 1200, 1215, 285}, "Times New Roman", 12, "grey", "buttontext", "", 21},
    {"nDetektorS", "text", "", "Detector S", {8400, 6120, 1215, 255}, "Times New Roman", 12, "green", "buttontext", "centred", 20},
    {"nDetektorH", "text", "", "Detector H", {5800, 4400, 1215, 285}, "Times New Roman", 12, "grey", "buttontext", "", 19},
    {"nTextIndex", "text", "", "Refractive index", {360, 1200, 1695, 285}, "Times New Roman", 12, "grey", "buttontext", "", 18},
    {"frmDistance", "frame", "", "Detector H distance", {240, 3120, 1935, 1335}, "MS Sans Serif", 8.25, "grey", "black", "", 14},
    {"opMaláDistance", "option", "frmDistance", "100", {1080, 960, 615, 255}, "", 0, "grey", "default", "", 17},
    {"opStředníDistance", "option", "frmDistance", "750", {600, 600, 855, 255}, "", 0, "grey", "default", "", 16},
    {"opVelkáDistance", "option", "frmDistance", "1500", {120, 240, 1335, 255}, "", 0, "grey", "default", "", 15},
    {"nDistance", "text", "", "", {2040, 3960, 495, 285}, "", 0, "default", "default", "hidden", 13},
    {"frmLátka", "frame", "", "Substance", {480, 1800, 1215, 975}, "MS Sans Serif", 8.25, "grey", "black", "", 10},
    {"opSklo", "option", "frmLátka", "Glass", {360, 600, 735, 255}, "", 0, "grey", "default", "", 12},
    {"opVoda", "option", "frmLátka", "Water", {120, 240, 735, 255}, "", 0, "grey", "default", "", 11},
    {"nIndex", "text", "", "", {720, 1440, 855, 330}, "Times New Roman", 14.25, "grey", "buttontext", "", 9},
    {"nLátka", "text", "", "", {2040, 120, 735, 285}, "", 0, "default", "default", "hidden", 8},
    {"nAlfaCaption", "text", "", "", {2880, 120, 735, 285}, "", 0, "default", "default", "hidden", 7},
    {"frmDopad", "frame", "", "Incident angle", {480, 5400, 1575, 1095}, "MS Sans Serif", 8.25, "grey", "black", "", 3},
    {"opMenší", "option", "frmDopad", "35", {240, 240, 735, 195}, "", 0, "grey", "default", "", 6},
    {"opVětší", "option", "frmDopad", "60", {480, 720, 615, 255}, "", 0, "grey", "default", "", 5},
    {"opMezní", "option", "frmDopad", "Critical", {360, 480, 1095, 255}, "", 0, "grey", "default", "", 4},
    {"nAlfa", "text", "", "", {960, 5040, 855, 330}, "Times New Roman", 14.25, "grey", "buttontext", "", 2},
    {"cmdStart", "command", "", "Start", {6840, 0, 975, 375}, "Times New Roman", 18, "grey", "none", "", 1},
    {"nuUplnyOdraz", "text", "", "Total reflection", {4440, 0, 2295, 375}, "Times New Roman", 15.75, "grey", "buttontext", "", 0},
    {"labKlepnete", "label", "", "Please press button Start", {3240, 2880, 3975, 495}, "Times New Roman", 18, "grey", "default", "centred", 25},
};
// clang-format on

struct LineRow {
    const char* name;
    QPoint from;
    QPoint to;
    int width;
};

// clang-format off
const LineRow lineRows[] = {
    {"Line7", {3120, 840}, {3120, 7800}, 1},   {"Line6", {9840, 600}, {9840, 7800}, 1},
    {"Line5", {2880, 7080}, {11400, 7080}, 1}, {"Line4", {2880, 5040}, {11400, 5040}, 2},
    {"Line3", {2880, 6480}, {11400, 6480}, 1}, {"Line2", {7320, 720}, {7320, 7800}, 1},
    // Line1 as Form_Load leaves it, at the height of the distance 750.
    {"Line1", {2880, 4280}, {11400, 4280}, 1},
};
// clang-format on

bool isKind(const QWidget* w, const QString& kind)
{
    if (kind == QLatin1String("text"))
        return qobject_cast<const QLineEdit*>(w);
    if (kind == QLatin1String("scroll"))
        return qobject_cast<const QScrollBar*>(w);
    if (kind == QLatin1String("frame"))
        return qobject_cast<const QGroupBox*>(w);
    if (kind == QLatin1String("option"))
        return qobject_cast<const QRadioButton*>(w);
    if (kind == QLatin1String("command"))
        return qobject_cast<const QPushButton*>(w);
    return qobject_cast<const QLabel*>(w);
}

Qt::Alignment alignmentOf(const QWidget* w)
{
    if (auto* box = qobject_cast<const QLineEdit*>(w))
        return box->alignment() & Qt::AlignHorizontal_Mask;
    if (auto* label = qobject_cast<const QLabel*>(w))
        return label->alignment() & Qt::AlignHorizontal_Mask;
    return Qt::AlignLeft;
}

std::optional<QColor> expectedColour(const QString& tint)
{
    if (tint == QLatin1String("grey"))
        return QColor(0xC0, 0xC0, 0xC0);
    if (tint == QLatin1String("green"))
        return QColor(0xC0, 0xFF, 0xC0);
    if (tint == QLatin1String("black"))
        return QColor(Qt::black);
    if (tint == QLatin1String("buttontext"))
        return QApplication::palette().color(QPalette::ButtonText);
    return std::nullopt;
}

} // namespace

// The window as designed: every control's name, kind, place, text, font, colours and tab order.
class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    // A dark desktop theme leaves the window as designed, pixel for pixel: no pale caption on
    // the design's grey and light green.
    void darkThemeKeepsTheDesignsColours()
    {
        const QImage designed = MainWindow().grab().toImage();
        const QPalette desktop = QApplication::palette();
        QPalette dark(QColor(0x30, 0x30, 0x30), QColor(0x20, 0x20, 0x20));
        dark.setColor(QPalette::WindowText, Qt::white);
        dark.setColor(QPalette::ButtonText, Qt::white);
        dark.setColor(QPalette::Text, Qt::white);
        dark.setColor(QPalette::Base, Qt::black);
        QApplication::setPalette(dark);
        const QImage underDarkTheme = MainWindow().grab().toImage();
        QApplication::setPalette(desktop);
        QCOMPARE(underDarkTheme, designed);
    }

    void window()
    {
        const MainWindow w;
        QCOMPARE(w.objectName(), QStringLiteral("frmKavrona"));
        QVERIFY(w.windowTitle().startsWith(QLatin1String("Total reflection - http")));
        QCOMPARE(w.size(), QSize(11445 / 15, 8625 / 15));
        QCOMPARE(w.palette().color(w.backgroundRole()), QColor(0xC0, 0xC0, 0xC0));
        int controls = 0;
        for (const QObject* child : w.findChildren<QWidget*>())
            controls += !child->objectName().isEmpty() && child->objectName() != QLatin1String("canvas") &&
                        !child->objectName().startsWith(QLatin1String("qt_"));
        QCOMPARE(controls, 43);
    }

    void controls_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(rows)); ++i)
            QTest::newRow(rows[i].name) << i;
    }
    void controls()
    {
        QFETCH(int, row);
        const Row& r = rows[row];
        const MainWindow window;
        const QWidget* w = window.findChild<QWidget*>(QString::fromUtf8(r.name));
        QVERIFY(w);
        QVERIFY(isKind(w, QString::fromLatin1(r.kind)));
        const QString container = QString::fromUtf8(r.container);
        QCOMPARE(w->parentWidget()->objectName(), container.isEmpty() ? QStringLiteral("frmKavrona") : container);
        // The cells' design-time texts are placeholders that start-up replaces; the rest stay.
        if (*r.text)
            QCOMPARE(captionOf(w), QString::fromUtf8(r.text));
        QCOMPARE(twips::geometry(w), r.twips);
        const QRect designed(qRound(r.twips.x() / 15.0), qRound(r.twips.y() / 15.0), qRound(r.twips.width() / 15.0),
                             qRound(r.twips.height() / 15.0));
        // A caption on the drawing takes in its words' ink where they are wider than its box.
        const window::Control* control = window::findControl(r.name);
        if (window::isCaption(*control) && !control->hidden)
            QVERIFY(w->geometry().contains(designed) && w->y() == designed.y() && w->height() == designed.height());
        else
            QCOMPARE(w->geometry(), designed);
        if (*r.font) {
            QCOMPARE(w->font().family(), QString::fromLatin1(r.font));
            QCOMPARE(w->font().pointSizeF(), r.points);
            QVERIFY(w->font().bold());
        } else {
            QCOMPARE(w->font().family(), window.font().family());
            QVERIFY(!w->font().bold());
        }
        if (const auto back = expectedColour(QString::fromLatin1(r.back))) {
            QCOMPARE(w->palette().color(w->backgroundRole()), *back);
        }
        if (const auto fore = expectedColour(QString::fromLatin1(r.fore)))
            QCOMPARE(w->palette().color(w->foregroundRole()), *fore);
        const QString other = QString::fromLatin1(r.other);
        // Start-up shows the label of the substance chosen, water, and hides glass's.
        const bool hiddenAtStart = other == QLatin1String("hidden") || QLatin1String(r.name) == QLatin1String("nSklo");
        QCOMPARE(w->isHidden(), hiddenAtStart);
        const Qt::Alignment alignment = other == QLatin1String("centred") ? Qt::AlignHCenter
                                        : other == QLatin1String("right") ? Qt::AlignRight
                                                                          : Qt::AlignLeft;
        QCOMPARE(alignmentOf(w), alignment);
    }

    void creationOrder()
    {
        const MainWindow window;
        QStringList created;
        for (const QObject* child : window.children()) {
            // The controls, not the menu, a window of its own.
            if (auto* w = qobject_cast<const QWidget*>(child); w && !w->isWindow()) {
                created << w->objectName();
                for (const QObject* inner : w->children()) {
                    if (qobject_cast<const QRadioButton*>(inner))
                        created << inner->objectName();
                }
            }
        }
        QStringList expected;
        for (const Row& r : rows) {
            if (QLatin1String(r.name) == QLatin1String("labKlepnete"))
                continue;
            expected << QString::fromUtf8(r.name);
            if (QLatin1String(r.name) == QLatin1String("nuUplnyOdraz")) {
                for (const LineRow& l : lineRows)
                    expected << QString::fromLatin1(l.name);
            }
        }
        // The prompt lies beneath the drawing, the canvas beneath everything else.
        expected.prepend(QStringLiteral("canvas"));
        expected.prepend(QStringLiteral("labKlepnete"));
        QCOMPARE(created, expected);
    }

    void lines_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(lineRows)); ++i)
            QTest::newRow(lineRows[i].name) << i;
    }
    void lines()
    {
        QFETCH(int, row);
        const LineRow& l = lineRows[row];
        const MainWindow window;
        const LineControl* line = window.findChild<LineControl*>(QString::fromLatin1(l.name));
        QVERIFY(line);
        QCOMPARE(line->from(), l.from);
        QCOMPARE(line->to(), l.to);
        QCOMPARE(line->lineWidth(), l.width);
        QVERIFY(!line->isHidden());
        QVERIFY(line->testAttribute(Qt::WA_TransparentForMouseEvents));
    }

    // Every line control sets the device pixels the window's rule gives it (window/rules/Geometry.h),
    // the rule the page follows: at least one across, all of them black, and none beside them across
    // the line, at whole and fractional resolutions, and in a window as small as its zoom allows.
    void linesSetTheRulesPixels_data()
    {
        QTest::addColumn<QSize>("size"); // the window's, its design's where empty
        QTest::addColumn<qreal>("ratio");
        const window::Size design = window::clientPixels();
        for (const double zoom : window::zoomSteps) {
            if (zoom < 1)
                QTest::addRow("zoomed to %g", zoom)
                    << QSizeF(design.width * zoom, design.height * zoom).toSize() << qreal(0);
        }
        QTest::newRow("400 x 300") << QSize(400, 300) << qreal(0);
        QTest::newRow("1") << QSize() << qreal(1);
        QTest::newRow("1.25") << QSize() << qreal(1.25);
        QTest::newRow("1.5") << QSize() << qreal(1.5);
        QTest::newRow("2") << QSize() << qreal(2);
    }
    void linesSetTheRulesPixels()
    {
        QFETCH(QSize, size);
        QFETCH(qreal, ratio);
        MainWindow window;
        window.show();
        if (!size.isEmpty()) {
            window.resize(size);
            QTRY_COMPARE(window.size(), size);
            ratio = window::fitted(size.width(), size.height(), window.devicePixelRatioF()).ratio;
        }
        const QImage picture = window.picture(ratio).convertToFormat(QImage::Format_RGB32);
        const auto black = [&picture](int x, int y) { return (picture.pixel(x, y) & 0xFFFFFF) == 0; };
        const auto inAnother = [&ratio, &window](const window::Line& line, int x, int y) {
            for (const window::Line& other : window::lines()) {
                const window::State::LineEnds& ends = window.form().state().line(other.name);
                const window::Rect r = window::linePixels(ends.from, ends.to, other.width, ratio);
                if (&other != &line && x >= r.left && x < r.left + r.width && y >= r.top && y < r.top + r.height)
                    return true;
            }
            return false;
        };
        for (const window::Line& l : window::lines()) {
            const window::State::LineEnds& ends = window.form().state().line(l.name);
            const window::Rect r = window::linePixels(ends.from, ends.to, l.width, ratio);
            QVERIFY2(r.width > 0 && r.height > 0, l.name);
            int blackWithin = 0;
            for (int y = r.top; y < r.top + r.height; ++y)
                for (int x = r.left; x < r.left + r.width; ++x)
                    blackWithin += black(x, y) ? 1 : 0;
            QCOMPARE(blackWithin, r.width * r.height);
            // Across the line, the pixels just beyond the pen, but where another line crosses.
            const bool horizontal = ends.from.y == ends.to.y;
            for (int along = 1; along < (horizontal ? r.width : r.height); along += 7) {
                const int x = horizontal ? r.left + along : r.left - 1;
                const int y = horizontal ? r.top - 1 : r.top + along;
                const int x2 = horizontal ? x : r.left + r.width;
                const int y2 = horizontal ? r.top + r.height : y;
                QVERIFY2(inAnother(l, x, y) || !black(x, y), l.name);
                QVERIFY2(inAnother(l, x2, y2) || !black(x2, y2), l.name);
            }
        }
    }

    // At every zoom the window takes, its words whole: every caption beside its option's circle, in
    // its frame or on its button, and every caption on the drawing with its ink clear of its box's
    // sides and last row, each within its frame or the window, so that no letter is covered or cut.
    void captionsWholeAtEveryZoom_data()
    {
        QTest::addColumn<double>("zoom");
        for (const double zoom : window::zoomSteps) {
            if (zoom <= 2)
                QTest::addRow("%g", zoom) << zoom;
        }
    }
    void captionsWholeAtEveryZoom()
    {
        QFETCH(double, zoom);
        MainWindow window;
        window.show();
        const window::Size design = window::clientPixels();
        const QSize size = QSizeF(design.width * zoom, design.height * zoom).toSize();
        window.resize(size);
        QTRY_COMPARE(window.size(), size);
        for (const window::Control& c : window::controls()) {
            QWidget* w = window.findChild<QWidget*>(QString::fromUtf8(c.name));
            const QString caption = captionOf(w);
            if (!w->isVisibleTo(&window) || c.bordered || caption.isEmpty())
                continue;
            // What stands outside its frame or the window is cut by it.
            QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), c.name);
            if (window::isCaption(c)) {
                const EdgeInk ink = edgeInk(w);
                QVERIFY2(ink.all > 0 && ink.edges() == 0,
                         qPrintable(QStringLiteral("%1: %2 of %3 pixels of ink on its edges")
                                        .arg(QString::fromUtf8(c.name))
                                        .arg(ink.edges())
                                        .arg(ink.all)));
            } else {
                const int width = w->fontMetrics().horizontalAdvance(caption);
                QVERIFY2(width <= roomFor(w), qPrintable(QStringLiteral("%1: \"%2\" is %3 pixels wide, in %4")
                                                             .arg(QString::fromUtf8(c.name), caption)
                                                             .arg(width)
                                                             .arg(roomFor(w))));
            }
        }
    }

    void tabOrder()
    {
        const MainWindow window;
        // Frames and the label take no focus; every other control follows its tab number.
        std::vector<const Row*> byTab;
        for (const Row& r : rows) {
            if (window.findChild<QWidget*>(QString::fromUtf8(r.name))->focusPolicy() != Qt::NoFocus)
                byTab.push_back(&r);
        }
        QCOMPARE(int(byTab.size()), 36 - 5);
        std::sort(byTab.begin(), byTab.end(), [](const Row* a, const Row* b) { return a->tab < b->tab; });
        QStringList expected;
        for (const Row* r : byTab)
            expected << QString::fromUtf8(r->name);
        QStringList chain;
        const QWidget* first = window.findChild<QWidget*>(QStringLiteral("nuUplnyOdraz"));
        const QWidget* w = first;
        do {
            if (expected.contains(w->objectName()) && !chain.contains(w->objectName()))
                chain << w->objectName();
            w = w->nextInFocusChain();
        } while (w != first);
        QCOMPARE(chain, expected);
    }

    // Each frame is one group: choosing an option clears the others of its frame only.
    void optionGroups_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("selected");
        QTest::newRow("glass") << "opSklo" << QStringList{"opRychlá", "opStředníDistance", "opSklo", "opMenší"};
        QTest::newRow("60") << "opVětší" << QStringList{"opRychlá", "opStředníDistance", "opVoda", "opVětší"};
        QTest::newRow("critical") << "opMezní" << QStringList{"opRychlá", "opStředníDistance", "opVoda", "opMezní"};
        QTest::newRow("100") << "opMaláDistance" << QStringList{"opRychlá", "opMaláDistance", "opVoda", "opMenší"};
        QTest::newRow("1500") << "opVelkáDistance" << QStringList{"opRychlá", "opVelkáDistance", "opVoda", "opMenší"};
    }
    void optionGroups()
    {
        QFETCH(QString, option);
        QFETCH(QStringList, selected);
        MainWindow window;
        window.show();
        auto* button = window.findChild<QRadioButton*>(option);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
        QStringList checked;
        for (const QRadioButton* o : window.findChildren<QRadioButton*>()) {
            if (o->isChecked())
                checked << o->objectName();
        }
        QCOMPARE(checked, selected);
    }
};

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
