#pragma once

#include "window/rules/Geometry.h"

#include <QPoint>
#include <QWidget>

// A line control: a solid line between two end points in twips, standing above the run's
// drawing, at the window's fit. It takes no input; clicks pass through to what lies beneath.
class LineControl final : public QWidget {
public:
    LineControl(QWidget* parent, QPoint from, QPoint to, int width, const window::Fit& fit);

    void setEnds(QPoint from, QPoint to);
    void setFit(const window::Fit& fit);
    QPoint from() const { return from_; }
    QPoint to() const { return to_; }
    int lineWidth() const { return width_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fitToLine();

    QPoint from_;
    QPoint to_;
    int width_{1};
    window::Fit fit_;
};
