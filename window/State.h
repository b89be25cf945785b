#pragma once

#include "window/Design.h"
#include "window/Translate.h"

#include <string>
#include <string_view>
#include <vector>

namespace window {

// Told of every change of the window's state, so that a front end only mirrors it.
class StateObserver {
public:
    virtual ~StateObserver() = default;
    virtual void textChanged(const Control& box, const std::string& text) = 0;
    virtual void shownChanged(const Control& control, bool shown) = 0;
    virtual void moved(const Control& control, Point topLeft) = 0;
    // Only the option that becomes selected is told; the others of its frame are cleared with it.
    virtual void selected(const Control& option) = 0;
    virtual void lineChanged(const Line& line, Point from, Point to, bool shown) = 0;
    virtual void scrolled(int position) = 0;
};

// What changes while the program runs: the texts of the text boxes (the six cells among them),
// which option of each frame is selected, which controls are shown, where nDetektorH stands,
// Line1's ends and the scroll bar's position. It starts as the design has it, with no option
// selected. Controls are named as in the design (window/Glossary.h); a name the design does not
// have is a mistake of the caller's, which fails in a debug build.
class State {
public:
    // The text boxes start with the design's words, in the front end's language.
    explicit State(const Translate& translate = {});

    void setObserver(StateObserver* observer) { observer_ = observer; }

    const std::string& text(std::string_view box) const;
    void setText(std::string_view box, std::string text);
    bool shown(std::string_view control) const;
    void setShown(std::string_view control, bool shown);
    Point place(std::string_view control) const;
    void move(std::string_view control, Point topLeft);
    bool selected(std::string_view option) const;
    // Selects an option and clears the others of its frame.
    void select(std::string_view option);

    struct LineEnds {
        Point from;
        Point to;
        bool shown{true};
    };
    const LineEnds& line(std::string_view name) const;
    void setLineEnds(std::string_view name, Point from, Point to);
    void setLineShown(std::string_view name, bool shown);

    int scrollPosition() const { return scrollPosition_; }
    void setScrollPosition(int position);

private:
    struct ControlState {
        std::string text;
        bool shown{};
        Point place;
        bool selected{};
    };

    ControlState* find(std::string_view name);
    const ControlState* find(std::string_view name) const;
    LineEnds* findLine(std::string_view name);
    void lineChanged(std::string_view name);

    std::vector<ControlState> controls_;
    std::vector<LineEnds> lines_;
    int scrollPosition_{};
    StateObserver* observer_{};
};

} // namespace window
