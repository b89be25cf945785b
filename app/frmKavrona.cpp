#include "app/frmKavrona.h"

#include "app/Accessibility.h"
#include "app/HandOut.h"
#include "app/KeyRule.h"
#include "app/Languages.h"
#include "app/LineControl.h"
#include "app/Twips.h"
#include "app/Zoom.h"
#include "window/Choices.h"
#include "window/Focus.h"
#include "window/Glossary.h"
#include "window/Statement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QWindow>

frmKavrona::frmKavrona(Observers observers, QWidget* parent)
    : QWidget(parent)
    , observers_(std::move(observers))
    , numbers_(languages::localNumbers())
    , languageNumbers_(languages::languageNumbers())
{
    layout::prepareWindow(this);
    fit_ = window::fitted(width(), height(), 1);
    // The canvas first, so that the controls stand above the drawing.
    canvasView_ = new CanvasView(this);
    if (observers_.drawing)
        tee_ = std::make_unique<surface::TeeSurface>(canvasView_->canvas(), *observers_.drawing);
    widgets_ = layout::createControls(this, fit_);
    accessibility::prepare(this);
    // The prompt lies beneath the drawing: the first run paints over it.
    widget(window::beneathDrawing)->lower();
    canvasView_->lieOver(widget(window::beneathDrawing));

    form_ = std::make_unique<window::Form>(drawing(), numbers_, observers_.sweepSteps, languages::translate);
    form_->state().setObserver(static_cast<window::StateObserver*>(this));
    session_ = new RunSession(
        this, *form_, [this] { canvasView_->changed(canvasView_->canvas().takeChanged()); },
        [this] {
            // A screen reader hears the run's result; its readings can be handed out.
            accessibility::describeDrawing(this, QString::fromStdString(window::statement(
                                                     *form_->measured(), languageNumbers_, languages::translate)));
            handOut_->offer();
            if (refitWaiting_)
                refit();
            if (observers_.runEnded)
                observers_.runEnded();
        });
    forwardInput();
    // The picture at the window's resolution as it is shown, its zoom too.
    handOut_ = new HandOut(this,
                           {[this](qreal ratio) { return picture(ratio * fit_.scale); },
                            [this]() -> const std::optional<window::Measured>& { return form_->measured(); },
                            [this] { return fileName(); }, observers_.chooseFile},
                           languageNumbers_);
    // From the keyboard the menu opens over the drawing, where a pointer would open it.
    new KeyRule(this, form_->state(), [this] { handOut_->openMenu(QPoint(width() / 3, height() / 3)); });
    new Zoom(this, [this] { return fit_.scale; });
    form_->Form_Load();
    // Ready to run: Enter or Space starts.
    widget(window::startButton)->setFocus();
}

frmKavrona::~frmKavrona()
{
    // The session goes first: it looks at the form until it is gone.
    delete session_;
    form_->state().setObserver(nullptr);
}

template <class T> T* frmKavrona::widget(std::string_view name) const
{
    return static_cast<T*>(widgets_.find(name)->second);
}

surface::Surface& frmKavrona::drawing()
{
    if (tee_)
        return *tee_;
    return canvasView_->canvas();
}

void frmKavrona::forwardInput()
{
    for (const window::Control& c : window::controls()) {
        const std::string name = c.name;
        QWidget* w = widget(name);
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            // Once the window is closing, nothing more happens.
            connect(button, &QAbstractButton::clicked, this, [this, name] {
                if (!session_->closing())
                    act(form_->click(name));
            });
        } else if (auto* box = qobject_cast<QLineEdit*>(w)) {
            connect(box, &QLineEdit::textChanged, this,
                    [this, name](const QString& text) { form_->type(name, text.toStdString()); });
        } else if (auto* bar = qobject_cast<QScrollBar*>(w)) {
            connect(bar, &QScrollBar::valueChanged, this, [this](int position) { form_->scroll(position); });
        }
    }
}

QImage frmKavrona::picture(qreal devicePixelRatio)
{
    if (devicePixelRatio == canvasView_->canvas().ratio() && !canvasView_->canvas().redrawing())
        return grab(box()).toImage();
    // The controls are painted at the resolution asked for; the drawing is redrawn at it.
    const QImage drawing = canvasView_->canvas().redrawn(devicePixelRatio);
    canvasView_->showInstead(&drawing);
    const qreal perPixel = devicePixelRatio / fit_.scale;
    QPixmap picture(drawing.size());
    picture.setDevicePixelRatio(perPixel);
    render(&picture, QPoint(), QRegion(box()));
    canvasView_->showInstead(nullptr);
    return picture.toImage();
}

QString frmKavrona::fileName() const
{
    return QString::fromStdString(form_->fileName());
}

// ---- What a click asks of the window ----

void frmKavrona::act(const window::Clicked& clicked)
{
    using Outcome = window::Clicked::Outcome;
    switch (clicked.outcome) {
    case Outcome::RunBegun:
        if (session_->closing())
            form_->Form_Unload();
        else
            session_->begin();
        break;
    case Outcome::Refused:
        refuse(*clicked.refusal);
        break;
    case Outcome::Closed:
        close();
        break;
    case Outcome::Nothing:
        break;
    }
}

void frmKavrona::refuse(const window::Refusal& refusal)
{
    if (observers_.refused) {
        observers_.refused(QString::fromUtf8(refusal.field->cell));
        return;
    }
    const std::string message = window::refusalMessage(refusal, numbers_, languages::translate);
    // Plain text: the message quotes what the user typed, which is never read as markup.
    QMessageBox box(QMessageBox::Warning, languages::title(), QString::fromStdString(message), QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void frmKavrona::closeEvent(QCloseEvent* event)
{
    session_->close();
    event->accept();
}

void frmKavrona::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    refit();
}

void frmKavrona::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Another screen may have another resolution.
    connect(windowHandle(), &QWindow::screenChanged, this, &frmKavrona::refit, Qt::UniqueConnection);
    refit();
}

void frmKavrona::refit()
{
    if (!form_)
        return;
    refitWaiting_ = running();
    if (refitWaiting_)
        return;
    fit_ = window::fitted(width(), height(), 1);
    layout::fitControls(widgets_, fit_);
    canvasView_->fit(fit_, fit_.scale * devicePixelRatioF());
}

QRect frmKavrona::box() const
{
    return canvasView_->geometry();
}

bool frmKavrona::focusNextPrevChild(bool next)
{
    const QWidget* focused = QApplication::focusWidget();
    const std::string from = focused ? focused->objectName().toStdString() : std::string();
    const window::Control* to = window::nextStop(form_->state(), from, next);
    if (!to)
        return false;
    widget(to->name)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

// ---- The form's state, mirrored in the widgets ----

void frmKavrona::textChanged(const window::Control& box, const std::string& text)
{
    auto* edit = widget<QLineEdit>(box.name);
    const QString shown = QString::fromStdString(text);
    if (edit->text() != shown)
        edit->setText(shown);
}

void frmKavrona::shownChanged(const window::Control& control, bool shown)
{
    widget(control.name)->setHidden(!shown);
}

void frmKavrona::moved(const window::Control& control, window::Point topLeft)
{
    QWidget* moving = widget(control.name);
    twips::move(moving, topLeft.x, topLeft.y, fit_);
    layout::fitControl(moving, control, fit_);
}

void frmKavrona::selected(const window::Control& option)
{
    widget<QRadioButton>(option.name)->setChecked(true);
}

void frmKavrona::lineChanged(const window::Line& line, window::Point from, window::Point to, bool shown)
{
    auto* control = widget<LineControl>(line.name);
    control->setHidden(!shown);
    control->setEnds(QPoint(from.x, from.y), QPoint(to.x, to.y));
}

void frmKavrona::scrolled(int position)
{
    widget<QScrollBar>(window::name::HScroll1)->setValue(position);
}
