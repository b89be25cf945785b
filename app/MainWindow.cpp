#include "app/MainWindow.h"

#include "app/Accessibility.h"
#include "app/HandOut.h"
#include "app/KeyRule.h"
#include "app/Languages.h"
#include "app/LineControl.h"
#include "app/Twips.h"
#include "app/Zoom.h"
#include "window/form/Choices.h"
#include "window/form/Glossary.h"
#include "window/handout/Statement.h"
#include "window/rules/Focus.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QWindow>

MainWindow::MainWindow(Observers observers, QWidget* parent)
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
    session_ = new RunSession(
        this, *form_, [this] { canvasView_->changed(canvasView_->canvas().takeChanged()); },
        [this](const window::FrameDone& done) {
            // A screen reader hears the run's result; its readings can be handed out.
            accessibility::describeDrawing(this, QString::fromStdString(window::statement(
                                                     *form_->measured(), languageNumbers_, languages::translate)));
            handOut_->offer();
            if (done.refit)
                refit();
            if (observers_.runEnded)
                observers_.runEnded();
        });
    forwardInput();
    // The picture at the window's resolution as it is shown, its zoom too.
    handOut_ =
        new HandOut(this,
                    {[this](qreal ratio) { return picture(ratio * fit_.scale); },
                     [this]() -> const std::optional<window::Measured>& { return form_->measured(); },
                     [this] { return fileName(); }, observers_.chooseFile,
                     [this] { return window::worksheet(*form_->measured(), languageNumbers_, languages::translate); },
                     [this](qreal ratio) { return picture(ratio); }},
                    numbers_);
    // From the keyboard the menu opens over the drawing, where a pointer would open it.
    new KeyRule(this, form_->state(), [this] { handOut_->openMenu(QPoint(width() / 3, height() / 3)); });
    new Zoom(this, [this] { return fit_.scale; });
    form_->Form_Load();
    showState();
    // Ready to run: Enter or Space starts.
    widget(window::startButton)->setFocus();
}

MainWindow::~MainWindow()
{
    // The session goes first: it looks at the form until it is gone.
    delete session_;
}

template <class T> T* MainWindow::widget(std::string_view name) const
{
    return static_cast<T*>(widgets_.find(name)->second);
}

surface::Surface& MainWindow::drawing()
{
    if (tee_)
        return *tee_;
    return canvasView_->canvas();
}

void MainWindow::forwardInput()
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
            // The user's edits only: the window's own writes come from the form.
            connect(box, &QLineEdit::textEdited, this,
                    [this, name](const QString& text) { form_->type(name, text.toStdString()); });
        } else if (auto* bar = qobject_cast<QScrollBar*>(w)) {
            connect(bar, &QScrollBar::valueChanged, this, [this](int position) {
                form_->scroll(position);
                showState();
            });
        }
    }
}

QImage MainWindow::picture(qreal devicePixelRatio)
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

void MainWindow::openLink(const window::LinkSettings& settings)
{
    const bool run = window::openLink(*form_, settings);
    showState();
    if (run) {
        QMetaObject::invokeMethod(
            this, [this] { widget<QPushButton>(window::startButton)->click(); }, Qt::QueuedConnection);
    }
}

QString MainWindow::fileName() const
{
    return QString::fromStdString(form_->fileName());
}

// ---- What a click asks of the window ----

void MainWindow::act(const window::Clicked& clicked)
{
    using Outcome = window::Clicked::Outcome;
    showState();
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

void MainWindow::refuse(const window::Refusal& refusal)
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

void MainWindow::closeEvent(QCloseEvent* event)
{
    session_->close();
    event->accept();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    refit();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Another screen may have another resolution.
    connect(windowHandle(), &QWindow::screenChanged, this, &MainWindow::refit, Qt::UniqueConnection);
    refit();
}

void MainWindow::refit()
{
    if (!form_ || !form_->refitNow())
        return;
    fit_ = window::fitted(width(), height(), 1);
    layout::fitControls(widgets_, fit_);
    canvasView_->fit(fit_, fit_.scale * devicePixelRatioF());
}

QRect MainWindow::box() const
{
    return canvasView_->geometry();
}

bool MainWindow::focusNextPrevChild(bool next)
{
    const QWidget* focused = QApplication::focusWidget();
    const std::string from = focused ? focused->objectName().toStdString() : std::string();
    const window::Control* to = window::nextStop(form_->state(), from, next);
    if (!to)
        return false;
    widget(to->name)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

// ---- The form's state, shown in the widgets ----

void MainWindow::showState()
{
    const window::State& state = form_->state();
    const window::StateChanges changes = form_->state().takeChanged();
    for (const window::Control* control : changes.controls) {
        QWidget* w = widget(control->name);
        w->setHidden(!state.shown(control->name));
        const window::Point at = state.place(control->name);
        if (twips::geometry(w).topLeft() != QPoint(at.x, at.y)) {
            twips::move(w, at.x, at.y, fit_);
            layout::fitControl(w, *control, fit_);
        }
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            const QString text = QString::fromStdString(state.text(control->name));
            if (edit->text() != text)
                edit->setText(text);
        } else if (auto* option = qobject_cast<QRadioButton*>(w)) {
            option->setChecked(state.selected(control->name));
        }
    }
    for (const window::Line* line : changes.lines) {
        const window::State::LineEnds& ends = state.line(line->name);
        auto* control = widget<LineControl>(line->name);
        control->setHidden(!ends.shown);
        control->setEnds(QPoint(ends.from.x, ends.from.y), QPoint(ends.to.x, ends.to.y));
    }
    if (changes.scroll)
        widget<QScrollBar>(window::name::HScroll1)->setValue(state.scrollPosition());
}
