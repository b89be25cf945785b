#pragma once

#include <QObject>
#include <QPointer>

#include <deque>
#include <functional>
#include <memory>
#include <utility>

class QWidget;

// A run holds the window's only thread from the press of Start until its last step. While it
// draws, each frame is shown by letting the event loop deliver what the window system sends
// (paints, exposure, a request to close); clicks and keys are set aside and handled, in the
// order they came, as soon as the run has ended. Two requests do not wait: the Exit button and
// the window's close button. Either stops the run before its next step, drops whatever input
// was set aside, and closes the window; no run starts after that.
//
// The frames are shown from inside a click's handler, in a nested call to the event loop. The
// GLib-based event dispatcher delivers no window-system events to such a call, so the program
// uses Qt's own dispatcher, which does: useQtEventDispatcher() before the application object is
// created.
class RunSession final : public QObject {
public:
    static void useQtEventDispatcher();

    // The work of one run, given the question it asks before each step: should it stop?
    using StopRequested = std::function<bool()>;
    using Work = std::function<void(const StopRequested& stopRequested)>;

    RunSession(QWidget* window, const QObject* exitButton);

    bool running() const { return running_; }
    // Once the window has been asked to close, it only closes.
    bool closing() const { return closing_; }
    void run(const Work& work);
    // Shows the frame the canvas has drawn, during a run or outside one.
    void present();
    // From the window's close event: whether the window may close now. During a run it may not
    // yet; the run is asked to stop, and the window closes as soon as it has.
    bool mayClose();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void handleSetAsideInput();

    QWidget* window_;
    const QObject* exitButton_;
    bool running_{false};
    bool closing_{false};
    std::deque<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> setAside_;
};
