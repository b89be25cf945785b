#pragma once

#include "window/form/Form.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <utility>

class QWidget;

// A run on the desktop, drawn from the event loop: its first frame at once, in the click's own
// turn, then one frame each time the loop comes round, each within the frame budget, the picture
// shown after each. What the user does meanwhile meets a window that knows a run is going on: the
// window's rule (window/form/RunInput.h) says what waits for the run's end, and that waits here, at the
// widget it was meant for, until the form hands it back; a key then goes to a menu that a key
// handed back before it opened.
class RunSession final : public QObject {
public:
    // `frameDrawn` shows what a frame has drawn; `ended` is told when a run has drawn its last, with
    // what the form leaves the window to do then.
    RunSession(QWidget* window, window::Form& form, std::function<void()> frameDrawn,
               std::function<void(const window::FrameDone&)> ended);

    // Once the window has been asked to close, it only closes.
    bool closing() const { return closing_; }
    // A run has begun.
    void begin();
    // The window closes: the run stops where it is, and nothing set aside happens.
    void close();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void frame();
    void stop();
    void handBack();

    QWidget* window_;
    window::Form& form_;
    std::function<void()> frameDrawn_;
    std::function<void(const window::FrameDone&)> ended_;
    QTimer frames_;
    bool closing_{false};
    std::map<int, std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> setAside_;
};
