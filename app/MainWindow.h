#pragma once

#include "app/CanvasView.h"
#include "app/Layout.h"
#include "app/RunSession.h"
#include "surface/TeeSurface.h"
#include "window/form/Form.h"
#include "window/form/RunLink.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <string_view>

class HandOut;

// Who else watches the window: the headless driver and the tests.
struct WindowObservers {
    // Sees every drawing operation on the window's surface, from the window's creation on.
    surface::Surface* drawing = nullptr;
    // Told instead of the user when Start is refused because a cell holds no usable number.
    std::function<void(const QString& cell)> refused;
    // Tests that need many short runs may stop the sweep early.
    int sweepSteps = sim::sweepSteps;
    // Stands in for the save dialog's answer, given the file proposed.
    std::function<QString(const QString& proposed)> chooseFile{};
    // Told when a run has drawn its last frame.
    std::function<void()> runEnded{};
};

// The program's one window on the desktop, named frmKavrona in the design ("the total reflection
// form"): a view of window::Form, which holds the settings and the handlers. The widgets are built
// from the window's design; clicks, the user's typing and the scroll bar go to the form, and after
// each the widgets show what the form's state changed.
// A run draws on the window's canvas, a frame at a time from the event loop (RunSession). The
// window may take any size: its design is fitted into it as the page fits it into a browser's,
// as large as it fits, centred (window/rules/Geometry.h); a size it takes during a run is fitted at the
// run's end.
class MainWindow final : public QWidget {
public:
    using Observers = WindowObservers;

    explicit MainWindow(Observers observers = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    window::Form& form() { return *form_; }
    const window::Form& form() const { return *form_; }
    const surface::QtCanvas& canvas() const { return canvasView_->canvas(); }
    bool running() const { return form_->running(); }
    // Does what a click asks of the window: a run begun draws its first frame now, a refusal is
    // told, and a closed window closes.
    void act(const window::Clicked& clicked);
    // Puts a link's settings (or the command line's) into the window through its handlers; where
    // the link asks for a run, Start is pressed once the event loop runs, as the user presses it.
    void openLink(const window::LinkSettings& settings);
    // The whole window at a number of device pixels per pixel: at the screen's, as it is shown;
    // at any other, drawn afresh at that resolution.
    QImage picture(qreal devicePixelRatio);
    // A name for a picture of the window or its readings, from its settings: "glass-critical-750".
    QString fileName() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Tab and Shift+Tab follow the window's tab order (window/rules/Focus.h).
    bool focusNextPrevChild(bool next) override;

private:
    void refuse(const window::Refusal& refusal);
    // The design fitted into the window as it now is; during a run, at its end.
    void refit();
    // Where the design stands in the window.
    QRect box() const;

    // What the form's state changed since it was last shown, shown in the widgets: after each
    // thing the user does, the state flows one way, from the form to the widgets.
    void showState();

    void forwardInput();
    template <class T = QWidget> T* widget(std::string_view name) const;
    surface::Surface& drawing();

    Observers observers_;
    CanvasView* canvasView_{};
    std::unique_ptr<surface::TeeSurface> tee_;
    layout::Widgets widgets_;
    RunSession* session_{};
    HandOut* handOut_{};
    // The cells' numbers are the user's locale's, and so are the readings handed out, so that a
    // paste into the user's spreadsheet gives numbers; the result in words follows the window's
    // language.
    window::NumberText numbers_;
    window::NumberText languageNumbers_;
    std::unique_ptr<window::Form> form_;
    // The window's pixels are the room's: the screen maps them onto its device pixels.
    window::Fit fit_;
};
