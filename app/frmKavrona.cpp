#include "app/frmKavrona.h"

#include "app/Accessibility.h"
#include "app/Cells.h"
#include "app/Layout.h"
#include "app/LineControl.h"
#include "app/Refusal.h"
#include "app/Twips.h"
#include "sim/Plotter.h"
#include "sim/Run.h"
#include "sim/Scene.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <cmath>

using cells::numberText;
using cells::wholeNumberText;

// The substance table: the word in nLátka, the index, the critical angle as fixed text (not
// the arcsine of 1/n), and the label shown on the drawing.
struct frmKavrona::Substance {
    QString word;
    double index;
    double criticalAngle;
};

// Where Detector H's track is marked: Line1 at the height of the track, the label beside it.
struct frmKavrona::Distance {
    int twips;
    int lineY;
    int labelTop;
};

namespace {

const QString voda = QStringLiteral("Voda");
const QString sklo = QStringLiteral("Sklo");
const QString mezní = QStringLiteral("Mezní");

// The 35-degree option's dash, at the lower left where the hidden speed options would stand.
constexpr int dashRight = 770;
constexpr int dashY = 7440;
constexpr int dashLength = 100;

constexpr int lineLeft = 2880;
constexpr int lineRight = 11400;
constexpr int labelLeftH = 5800;

template <class T> T* control(const QWidget* window, const char* name)
{
    return window->findChild<T*>(QString::fromUtf8(name));
}

} // namespace

frmKavrona::frmKavrona(Observers observers, QWidget* parent)
    : QWidget(parent)
    , observers_(std::move(observers))
{
    layout::prepareWindow(this);

    // The canvas first, so that the controls stand above the drawing.
    canvasView_ = new CanvasView(this);
    if (observers_.drawing)
        tee_ = std::make_unique<surface::TeeSurface>(canvasView_->canvas(), *observers_.drawing);
    layout::createControls(this);
    accessibility::prepare(this);
    // The prompt lies beneath the drawing: the first run paints over it.
    control<QWidget>(this, "labKlepnete")->lower();

    findControls();
    session_ = new RunSession(this, cmdKonec);
    canvasView_->canvas().setPresenter([this](const QRect& changed) {
        canvasView_->changed(changed);
        session_->present();
    });
    connectHandlers();
    Form_Load();
    // Ready to run: Enter or Space starts.
    cmdStart->setFocus();
}

frmKavrona::~frmKavrona() = default;

void frmKavrona::findControls()
{
    nLátka = control<QLineEdit>(this, "nLátka");
    nAlfaCaption = control<QLineEdit>(this, "nAlfaCaption");
    nAlfa = control<QLineEdit>(this, "nAlfa");
    nIndex = control<QLineEdit>(this, "nIndex");
    nDistance = control<QLineEdit>(this, "nDistance");
    nSpomaleni = control<QLineEdit>(this, "nSpomaleni");
    nVoda = control<QLineEdit>(this, "nVoda");
    nSklo = control<QLineEdit>(this, "nSklo");
    nDetektorH = control<QLineEdit>(this, "nDetektorH");
    Line1 = control<LineControl>(this, "Line1");
    HScroll1 = control<QScrollBar>(this, "HScroll1");
    cmdStart = control<QPushButton>(this, "cmdStart");
    cmdKonec = control<QPushButton>(this, "cmdKonec");
    opVoda = control<QRadioButton>(this, "opVoda");
    opSklo = control<QRadioButton>(this, "opSklo");
    opMenší = control<QRadioButton>(this, "opMenší");
    opVětší = control<QRadioButton>(this, "opVětší");
    opMezní = control<QRadioButton>(this, "opMezní");
    opMaláDistance = control<QRadioButton>(this, "opMaláDistance");
    opStředníDistance = control<QRadioButton>(this, "opStředníDistance");
    opVelkáDistance = control<QRadioButton>(this, "opVelkáDistance");
    opRychlá = control<QRadioButton>(this, "opRychlá");
    opPomalejší = control<QRadioButton>(this, "opPomalejší");
    opPomalá = control<QRadioButton>(this, "opPomalá");
}

void frmKavrona::connectHandlers()
{
    onClick(cmdStart, &frmKavrona::cmdStart_Click);
    onClick(cmdKonec, &frmKavrona::cmdKonec_Click);
    onClick(opVoda, &frmKavrona::opVoda_Click);
    onClick(opSklo, &frmKavrona::opSklo_Click);
    onClick(opMenší, &frmKavrona::opMenší_Click);
    onClick(opVětší, &frmKavrona::opVětší_Click);
    onClick(opMezní, &frmKavrona::opMezní_Click);
    onClick(opMaláDistance, &frmKavrona::opMaláDistance_Click);
    onClick(opStředníDistance, &frmKavrona::opStředníDistance_Click);
    onClick(opVelkáDistance, &frmKavrona::opVelkáDistance_Click);
    onClick(opRychlá, &frmKavrona::opRychlá_Click);
    onClick(opPomalejší, &frmKavrona::opPomalejší_Click);
    onClick(opPomalá, &frmKavrona::opPomalá_Click);
    connect(HScroll1, &QScrollBar::valueChanged, this, &frmKavrona::HScroll1_Change);
}

void frmKavrona::onClick(QAbstractButton* button, Handler handler)
{
    clickHandlers_.insert(button, handler);
    connect(button, &QAbstractButton::clicked, this, handler);
}

void frmKavrona::select(QRadioButton* option)
{
    if (option->isChecked())
        return;
    option->setChecked(true);
    (this->*clickHandlers_.value(option))();
}

surface::Surface& frmKavrona::drawing()
{
    if (tee_)
        return *tee_;
    return canvasView_->canvas();
}

void frmKavrona::Form_Load()
{
    nLátka->setText(voda);
    select(opVoda);
    writeCriticalAngle();
    select(opMenší);
    select(opStředníDistance);
    nDistance->setText(wholeNumberText(750));
    select(opRychlá);
    nSpomaleni->setText(wholeNumberText(1));
}

// ---- Start and Exit ----

void frmKavrona::cmdStart_Click()
{
    if (session_->running() || session_->closing())
        return;
    const std::optional<sim::RunSettings> settings = readSettings();
    if (!settings)
        return;
    session_->run([&](const sim::StopRequested& stopRequested) {
        sim::run(*settings, drawing(), stopRequested);
        drawing().flush();
    });
}

void frmKavrona::cmdKonec_Click()
{
    close();
}

void frmKavrona::closeEvent(QCloseEvent* event)
{
    event->setAccepted(session_->mayClose());
}

std::optional<sim::RunSettings> frmKavrona::readSettings()
{
    sim::RunSettings s;
    s.alfaCaption = nAlfaCaption->text().toStdString();
    s.substance = nLátka->text().toStdString();
    s.distanceText = nDistance->text().toStdString();
    s.steps = observers_.sweepSteps;
    const std::pair<QLineEdit*, double*> numbers[] = {
        {nIndex, &s.refIndex}, {nAlfa, &s.alphaDeg}, {nDistance, &s.distanceH}, {nSpomaleni, &s.slowdown}};
    for (const auto& [cell, value] : numbers) {
        const std::optional<double> number = refusal::usableNumber(cell->objectName(), cell->text());
        if (!number) {
            refuse(cell);
            return std::nullopt;
        }
        *value = *number;
    }
    return s;
}

void frmKavrona::refuse(const QLineEdit* cell)
{
    if (observers_.refused) {
        observers_.refused(cell->objectName());
        return;
    }
    // Plain text: the message quotes what the user typed, which is never read as markup.
    QMessageBox box(QMessageBox::Warning, tr("Total reflection"), refusal::message(cell->objectName(), cell->text()),
                    QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

// ---- Substance ----

void frmKavrona::opVoda_Click()
{
    nVoda->show();
    nSklo->hide();
    chooseSubstance({voda, 1.33, 48.783});
}

void frmKavrona::opSklo_Click()
{
    nVoda->hide();
    nSklo->show();
    chooseSubstance({sklo, 1.5, 41.839});
}

void frmKavrona::chooseSubstance(const Substance& substance)
{
    nLátka->setText(substance.word);
    nIndex->setText(numberText(substance.index));
    // A critical-angle choice follows the substance; a chosen 35 or 60 degrees stays.
    if (nAlfaCaption->text() == mezní)
        nAlfa->setText(numberText(substance.criticalAngle));
}

// ---- Incident angle ----

void frmKavrona::opMenší_Click()
{
    nAlfa->setText(wholeNumberText(35));
    nAlfaCaption->setText(QStringLiteral("35"));
    // A short dash at the lower left, 100 x sin(35 degrees) long.
    const double x = dashRight - dashLength * std::sin(sim::toRadians(35));
    sim::Plotter(drawing()).line(dashRight, dashY, x, dashY);
}

void frmKavrona::opVětší_Click()
{
    nAlfa->setText(wholeNumberText(60));
    nAlfaCaption->setText(QStringLiteral("60"));
}

void frmKavrona::opMezní_Click()
{
    writeCriticalAngle();
    nAlfaCaption->setText(mezní);
}

void frmKavrona::writeCriticalAngle()
{
    if (nLátka->text() == voda) {
        nAlfa->setText(numberText(48.783));
        nIndex->setText(numberText(1.33));
        return;
    }
    nAlfa->setText(numberText(41.839));
    nIndex->setText(numberText(1.5));
}

// ---- Detector H distance ----

void frmKavrona::opMaláDistance_Click()
{
    placeDetectorH({100, 4900, 4600});
}

void frmKavrona::opStředníDistance_Click()
{
    placeDetectorH({750, 4280, 4400});
}

void frmKavrona::opVelkáDistance_Click()
{
    placeDetectorH({1500, 3530, 3700});
}

void frmKavrona::placeDetectorH(const Distance& distance)
{
    nDistance->setText(wholeNumberText(distance.twips));
    // Hidden while its ends move, so that no in-between line is ever shown.
    Line1->hide();
    Line1->setX1(lineLeft);
    Line1->setY1(distance.lineY);
    Line1->setX2(lineRight);
    Line1->setY2(distance.lineY);
    Line1->show();
    twips::move(nDetektorH, labelLeftH, distance.labelTop);
}

// ---- Pace ----

void frmKavrona::opRychlá_Click()
{
    writeSlowdown(1);
}

void frmKavrona::opPomalejší_Click()
{
    writeSlowdown(500000);
}

void frmKavrona::opPomalá_Click()
{
    writeSlowdown(1000000);
}

void frmKavrona::writeSlowdown(int count)
{
    nSpomaleni->setText(wholeNumberText(count));
}

void frmKavrona::HScroll1_Change()
{
    nSpomaleni->setText(wholeNumberText(HScroll1->value()));
    const double position = cells::readNumber(nSpomaleni->text()).value_or(0);
    nSpomaleni->setText(numberText(position * 100 + 1));
}
