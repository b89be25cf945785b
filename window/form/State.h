#pragma once

#include "window/form/Design.h"
#include "window/form/Translate.h"

#include <string>
#include <string_view>
#include <vector>

namespace window {

// What changed since a front end last asked: the controls whose text, visibility, place or
// selection changed, the lines whose ends or visibility changed, and whether the scroll bar moved.
// A front end shows each as the state now has it.
struct StateChanges {
    std::vector<const Control*> controls;
    std::vector<const Line*> lines;
    bool scroll{};

    bool empty() const { return controls.empty() && lines.empty() && !scroll; }
};

// What changes while the program runs: the texts of the text boxes (the six cells among them),
// which option of each frame is selected, which controls are shown, where nDetektorH stands,
// Line1's ends and the scroll bar's position. It starts as the design has it, with no option
// selected. Controls are named as in the design (window/form/Glossary.h); a name the design does not
// have is a mistake of the caller's, which fails in a debug build.
class State {
public:
    // The text boxes start with the design's words, in the front end's language.
    explicit State(const Translate& translate = {});

    // What changed since the last time this was asked, in the design's order; the first time, all
    // of it, so that a front end shows its first state the way it shows every change.
    StateChanges takeChanged();

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
        bool changed{true};
    };
    struct LineState {
        LineEnds ends;
        bool changed{true};
    };

    ControlState* find(std::string_view name);
    const ControlState* find(std::string_view name) const;
    LineState* findLine(std::string_view name);

    std::vector<ControlState> controls_;
    std::vector<LineState> lines_;
    int scrollPosition_{};
    bool scrollChanged_{true};
};

} // namespace window
