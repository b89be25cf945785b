#include "Captions.h"
#include "Runs.h"

#include "app/Languages.h"
#include "app/MainWindow.h"
#include "window/form/Choices.h"
#include "window/form/Design.h"
#include "window/form/NumberText.h"
#include "window/handout/Statement.h"
#include "window/rules/Geometry.h"

#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// What the window shows, started under LANGUAGE=cs or LANGUAGE=de; the cells keep the
// program's own data in every language.
struct Caption {
    const char* control;
    const char* cs;
    const char* de;
};

// clang-format off
const Caption expectedCaptions[] = {
    {"cmdStart", "Start", "Start"},
    {"cmdKonec", "Konec", "Ende"},
    {"nuUplnyOdraz", "Úplný odraz", "Totalreflexion"},
    {"labKlepnete", "Stiskněte tlačítko Start", "Bitte Start drücken"},
    {"nAir", "Vzduch", "Luft"},
    {"nVoda", "Voda", "Wasser"},
    {"nTextIndex", "Index lomu", "Brechungsindex"},
    {"nPravd2podobnost", "Interferenční obraz", "Interferenzmuster"},
    {"nCornuovySpirály", "Cornuovy spirály", "Cornu-Spiralen"},
    {"frmLátka", "Látka", "Medium"},
    {"opVoda", "Voda", "Wasser"},
    {"frmDopad", "Úhel dopadu", "Einfallswinkel"},
    {"opMezní", "Mezní", "Kritisch"},
    {"frmDistance", "Výška detektoru H", "Abstand Detektor H"},
    {"nLátka", "Voda", "Voda"},
    {"nAlfaCaption", "35", "35"},
};
// clang-format on

const char* inLanguage(const Caption& c, const QString& language)
{
    return language == QLatin1String("cs") ? c.cs : c.de;
}

QRect designedPlace(const window::Control& c)
{
    return {qRound(c.place.left / 15.0), qRound(c.place.top / 15.0), qRound(c.place.width / 15.0),
            qRound(c.place.height / 15.0)};
}

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "obsolete", "vanished"; empty when finished
};

QStringList described(const QList<Message>& messages)
{
    QStringList lines;
    for (const Message& m : messages)
        lines << QStringLiteral("%1 \"%2\": \"%3\" %4").arg(m.context, m.source, m.translation, m.type);
    return lines;
}

QList<Message> messagesOf(const QString& tsFile)
{
    QFile file(tsFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QList<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            messages.append({context, {}, {}, {}});
        } else if (xml.name() == QLatin1String("source")) {
            messages.last().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            messages.last().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.last().translation = xml.readElementText();
        }
    }
    return xml.hasError() ? QList<Message>{} : messages;
}

void useTheSystemsLanguage()
{
    languages::use(languages::ofTheDesktop());
}

} // namespace

// The window in the languages it speaks. Run under LANGUAGE=cs, and under each other language.
class LanguagesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useTheSystemsLanguage(); }
    void cleanup() { useTheSystemsLanguage(); }

    // The desktop's languages, best first; the first the window speaks wins.
    void choice_data()
    {
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("Czech") << QStringList{"cs-CZ"} << "cs";
        QTest::newRow("Austrian German") << QStringList{"de-AT", "de"} << "de";
        QTest::newRow("Italian, then German") << QStringList{"it-IT", "it", "de"} << "de";
        QTest::newRow("Ukrainian") << QStringList{"uk-UA"} << "uk";
        QTest::newRow("English before Czech") << QStringList{"en-GB", "cs"} << "en";
        QTest::newRow("the C locale") << QStringList{"C"} << "en";
        QTest::newRow("none asked for") << QStringList{} << "en";
    }
    void choice()
    {
        QFETCH(QStringList, asked);
        QFETCH(QString, chosen);
        QCOMPARE(languages::choose(asked), chosen);
    }

    void captions_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(expectedCaptions)); ++i)
            QTest::newRow(expectedCaptions[i].control) << i;
    }
    void captions()
    {
        QFETCH(int, row);
        const QString language = qEnvironmentVariable("LANGUAGE");
        const MainWindow window;
        const QWidget* w = window.findChild<QWidget*>(QString::fromUtf8(expectedCaptions[row].control));
        QCOMPARE(captionOf(w), QString::fromUtf8(inLanguage(expectedCaptions[row], language)));
    }

    // Under the desktop's LANGUAGE, run for each language: the window in it, and Qt's own words as
    // Debian translates them (its Slovak has no words for the message boxes' buttons).
    void desktopLanguage()
    {
        const QString language = qEnvironmentVariable("LANGUAGE");
        QCOMPARE(languages::current(), language);
        const MainWindow window;
        QVERIFY(languages::title() != QLatin1String(window::properties().title));
        QVERIFY(window.windowTitle().startsWith(languages::title()));
        QTranslator debian;
        if (debian.load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            const QString cancel = debian.translate("QPlatformTheme", "Cancel");
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                     cancel.isEmpty() ? QStringLiteral("Cancel") : cancel);
        }
    }

    // The title, what a screen reader announces, the refusal and Qt's own words.
    void titleNamesAndRefusal()
    {
        const bool czech = qEnvironmentVariable("LANGUAGE") == QLatin1String("cs");
        MainWindow window;
        window.show();
        QCOMPARE(window.windowTitle(),
                 (czech ? QStringLiteral("Úplný odraz - ") : QStringLiteral("Totalreflexion - ")) +
                     QStringLiteral("https://total-reflection.example.org"));
        QCOMPARE(window.findChild<QWidget*>(QStringLiteral("opVoda"))->accessibleName(),
                 czech ? QStringLiteral("Látka: Voda") : QStringLiteral("Medium: Wasser"));
        QCOMPARE(window.findChild<QWidget*>(QStringLiteral("HScroll1"))->accessibleName(),
                 czech ? QStringLiteral("Zpomalení animace") : QStringLiteral("Verlangsamung der Animation"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 czech ? QStringLiteral("Zrušit") : QStringLiteral("Abbrechen"));

        QString title;
        QString message;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            message = box->text();
            box->accept();
        });
        typeInto(window.findChild<QLineEdit*>(QStringLiteral("nAlfa")), QStringLiteral("abc"));
        window.findChild<QPushButton*>(QStringLiteral("cmdStart"))->click();
        QCOMPARE(title, czech ? QStringLiteral("Úplný odraz") : QStringLiteral("Totalreflexion"));
        QCOMPARE(message, czech ? QStringLiteral("Úhel dopadu: „abc“ není číslo.\n\n"
                                                 "Napište číslo, například 48.783, a znovu stiskněte Start.")
                                : QStringLiteral("Einfallswinkel: „abc“ ist keine Zahl.\n\n"
                                                 "Geben Sie eine Zahl wie 48.783 ein und drücken Sie dann noch "
                                                 "einmal Start."));
    }

    // Where the typed angle and the option part, the result in words says both in the window's
    // language, the critical angle with the language's decimal separator, and nothing false.
    void statementWhereAngleAndOptionPart_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("substance");
        QTest::addColumn<int>("drawn");
        QTest::addColumn<double>("angle");
        QTest::addColumn<QStringList>("says");
        QTest::addColumn<QString>("never");
        QTest::newRow("Czech: water, 10 typed under 60")
            << "cs"
            << "opVoda" << int(sim::Incidence::Beyond) << 10.0
            << QStringList{"Voda při úhlu 10°: úhel dopadu 10° je menší než mezní úhel, asi 48,8°.",
                           "Kresba odpovídá zvolené možnosti a ukazuje případ úhlu většího, než je mezní úhel."}
            << "úplný odraz";
        QTest::newRow("German: glass, 60 typed under 35")
            << "de"
            << "opSklo" << int(sim::Incidence::Below) << 60.0
            << QStringList{"Glas bei 60 Grad: Der Einfallswinkel von 60 Grad ist größer als der Grenzwinkel von etwa "
                           "41,8 Grad. Alles Licht wird unter 60 Grad zurück ins Glas reflektiert",
                           "Die Zeichnung folgt der gewählten Option und zeigt den Fall eines Winkels kleiner als der "
                           "Grenzwinkel."}
            << "ist kleiner als";
        QTest::newRow("Ukrainian: water, 10 typed under 60")
            << "uk"
            << "opVoda" << int(sim::Incidence::Beyond) << 10.0
            << QStringList{"Вода під кутом 10°: кут падіння 10° менший за граничний кут, що становить приблизно 48,8°.",
                           "Рисунок відповідає вибраному варіанту й показує випадок кута, більшого за граничний кут."}
            << "повне внутрішнє відбиття";
    }
    void statementWhereAngleAndOptionPart()
    {
        QFETCH(QString, language);
        QFETCH(QString, substance);
        QFETCH(int, drawn);
        QFETCH(double, angle);
        QFETCH(QStringList, says);
        QFETCH(QString, never);
        languages::use(language);
        const window::Substance& chosen = window::substanceChosenBy(substance.toStdString());
        window::Measured measured;
        measured.settings.incidence = sim::Incidence(drawn);
        measured.settings.medium = &chosen.medium;
        measured.settings.refIndex = chosen.index;
        measured.settings.alphaDeg = angle;
        measured.whole = true;
        const window::NumberText numbers(QLocale(language).decimalPoint().toStdString());
        const QString statement = QString::fromStdString(window::statement(measured, numbers, &languages::translate));
        for (const QString& words : says)
            QVERIFY2(statement.contains(words), qPrintable(statement));
        QVERIFY2(!statement.contains(never, Qt::CaseInsensitive), qPrintable(statement));
    }

    // Every caption fits its control at the design's font, every letter from that font rather than
    // another face's. A control that grew for a longer word stays within its frame or the window
    // and covers no other control.
    void captionsFit_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& code : languages::available())
            QTest::newRow(qPrintable(code)) << code;
    }
    void captionsFit()
    {
        QFETCH(QString, language);
        languages::use(language);
        MainWindow window;
        window.show();
        for (const window::Control& c : window::controls()) {
            // The cells hold numbers and the program's data; the hidden speed options are never seen.
            const bool hidden = c.hidden || (c.container && window::findControl(c.container)->hidden);
            const QWidget* w = window.findChild<QWidget*>(QString::fromUtf8(c.name));
            const QString caption = captionOf(w);
            if (hidden || c.bordered || caption.isEmpty())
                continue;
            for (const char32_t letter : caption.toUcs4())
                QVERIFY2(w->fontMetrics().inFontUcs4(letter), qPrintable(QStringLiteral("%1: U+%2 is not in %3")
                                                                             .arg(QString::fromUtf8(c.name))
                                                                             .arg(uint(letter), 4, 16, QLatin1Char('0'))
                                                                             .arg(QFontInfo(w->font()).family())));
            const int width = w->fontMetrics().horizontalAdvance(caption);
            if (width > roomFor(w))
                QFAIL(qPrintable(QStringLiteral("%1: \"%2\" is %3 pixels wide, in %4")
                                     .arg(QString::fromUtf8(c.name), caption)
                                     .arg(width)
                                     .arg(roomFor(w))));
            if (w->geometry() == designedPlace(c))
                continue;
            const QWidget* container = w->parentWidget();
            QVERIFY2(container->rect().contains(w->geometry()), c.name);
            for (const QWidget* other : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                // Water's and glass's labels share a place, one shown at a time; the index's caption
                // overlaps its box by a few twips as designed, and grows sideways, clear of it.
                const window::Control* design = window::findControl(other->objectName().toStdString());
                const bool alternative = design && designedPlace(*design) == designedPlace(c);
                const bool designedOver = other->geometry().intersects(designedPlace(c));
                if (other != w && !alternative && !designedOver && other->isVisibleTo(&window) &&
                    other->objectName() != QLatin1String("canvas"))
                    QVERIFY2(
                        !other->geometry().intersects(w->geometry()),
                        qPrintable(QStringLiteral("%1 covers %2").arg(QString::fromUtf8(c.name), other->objectName())));
            }
        }
    }

    // No letter of a caption reaches the last row of its box, nor its first or last column, at the
    // screen's resolution (run at 1, 1.25, 1.7391 and 2): descenders and accents stand within it,
    // however short the box, and no letter is cut at its sides.
    void captionInkWithinItsBox_data() { captionsFit_data(); }
    void captionInkWithinItsBox()
    {
        QFETCH(QString, language);
        languages::use(language);
        MainWindow window;
        window.show();
        for (const window::Control& c : window::controls()) {
            auto* w = window.findChild<QWidget*>(QString::fromUtf8(c.name));
            if (!window::isCaption(c) || c.hidden)
                continue;
            const EdgeInk ink = edgeInk(w);
            QVERIFY2(ink.all > 0 && ink.edges() == 0,
                     qPrintable(QStringLiteral("%1 \"%2\": of %3 pixels of ink, %4 on its first column, %5 on its "
                                               "last, %6 on its last row")
                                    .arg(QString::fromUtf8(c.name), captionOf(w))
                                    .arg(ink.all)
                                    .arg(ink.firstColumn)
                                    .arg(ink.lastColumn)
                                    .arg(ink.lastRow)));
        }
    }

    // Each translation is finished, and holds exactly the words the sources mark: lupdate, run on
    // the sources, neither adds to it nor takes from it.
    void translationsFinished_data()
    {
        QTest::addColumn<QString>("tsFile");
        for (const QString& file : QStringLiteral(TS_FILES).split(QLatin1Char('|')))
            QTest::newRow(qPrintable(QFileInfo(file).fileName())) << file;
    }
    void translationsFinished()
    {
        QFETCH(QString, tsFile);
        const QList<Message> kept = messagesOf(tsFile);
        QVERIFY(!kept.isEmpty());
        for (const Message& m : kept)
            QVERIFY2(m.type.isEmpty() && !m.translation.isEmpty(), qPrintable(described({m}).constFirst()));
        QTemporaryDir dir;
        const QString updated = dir.filePath(QFileInfo(tsFile).fileName());
        QVERIFY(QFile::copy(tsFile, updated));
        QProcess lupdate;
        lupdate.start(QStringLiteral(LUPDATE), QStringList{"-silent", "-locations", "none", "-no-obsolete"} +
                                                   QStringLiteral(TRANSLATED_SOURCES).split(QLatin1Char('|')) +
                                                   QStringList{"-ts", updated});
        QVERIFY(lupdate.waitForFinished(60000));
        QCOMPARE(lupdate.exitCode(), 0);
        // Otherwise: cmake --build BUILD --target update_translations, then translate what it adds.
        QCOMPARE(described(messagesOf(updated)), described(kept));
    }
};

QTEST_MAIN(LanguagesTest)
#include "tst_languages.moc"
