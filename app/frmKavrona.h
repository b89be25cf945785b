#pragma once

#include "app/CanvasView.h"
#include "app/Layout.h"
#include "app/RunSession.h"
#include "surface/TeeSurface.h"
#include "window/Form.h"

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

// The program's one window on the desktop: a view of window::Form, which holds the settings
// and the handlers. The widgets are built from the window's design; clicks, typing and the
// scroll bar go to the form, and every change of the form's state is mirrored in the widgets.
// A run draws on the window's canvas, a frame at a time from the event loop (RunSession). The
// window may take any size: its design is fitted into it as the page fits it into a browser's,
// as large as it fits, centred (window/Geometry.h); a size it takes during a run is fitted at the
// run's end.
class frmKavrona final : public QWidget, private window::StateObserver {
public:
    using Observers = WindowObservers;

    explicit frmKavrona(Observers observers = {}, QWidget* parent = nullptr);
    ~frmKavrona() override;

    window::Form& form() { return *form_; }
    const window::Form& form() const { return *form_; }
    const surface::QtCanvas& canvas() const { return canvasView_->canvas(); }
    bool running() const { return form_->running(); }
    // Does what a click asks of the window: a run begun draws its first frame now, a refusal is
    // told, and a closed window closes.
    void act(const window::Clicked& clicked);
    // The whole window at a number of device pixels per pixel: at the screen's, as it is shown;
    // at any other, drawn afresh at that resolution.
    QImage picture(qreal devicePixelRatio);
    // A name for a picture of the window or its readings, from its settings: "glass-critical-750".
    QString fileName() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Tab and Shift+Tab follow the window's tab order (window/Focus.h).
    bool focusNextPrevChild(bool next) override;

private:
    void refuse(const window::Refusal& refusal);
    // The design fitted into the window as it now is, unless a run is drawing.
    void refit();
    // Where the design stands in the window.
    QRect box() const;

    // The form's state, mirrored.
    void textChanged(const window::Control& box, const std::string& text) override;
    void shownChanged(const window::Control& control, bool shown) override;
    void moved(const window::Control& control, window::Point topLeft) override;
    void selected(const window::Control& option) override;
    void lineChanged(const window::Line& line, window::Point from, window::Point to, bool shown) override;
    void scrolled(int position) override;

    void forwardInput();
    template <class T = QWidget> T* widget(std::string_view name) const;
    surface::Surface& drawing();

    Observers observers_;
    CanvasView* canvasView_{};
    std::unique_ptr<surface::TeeSurface> tee_;
    layout::Widgets widgets_;
    RunSession* session_{};
    HandOut* handOut_{};
    // The cells' numbers are the user's locale's; what is handed out in words and tables follows
    // the window's language.
    window::NumberText numbers_;
    window::NumberText languageNumbers_;
    std::unique_ptr<window::Form> form_;
    // The window's pixels are the room's: the screen maps them onto its device pixels.
    window::Fit fit_;
    bool refitWaiting_{};
};
