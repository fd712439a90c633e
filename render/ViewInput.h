#pragma once

#include "WheelRules.h"

#include <QPoint>
#include <QPointF>

#include <optional>

// What the view's window hands on once the window system's events are read:
// plain commands for the owner to apply and draw.
class ViewInput {
public:
    virtual ~ViewInput() = default;
    // A left-button drag, in logical pixels (x right, y down), summed over the
    // motion since the last frame.
    virtual void ViewDragged(double dx, double dy) = 0;
    // The step taken `times` over, then one frame.
    virtual void ViewStepped(ViewStep step, int times = 1) = 0;
    // A middle-button or Shift and left-button drag, as ViewDragged: the
    // picture moved with the pointer.
    virtual void ViewPanned(double dx, double dy) = 0;
    // Wheel notches: the zoom step taken `times` over at a point in logical
    // pixels from the view's top-left corner, then one frame.
    virtual void ViewZoomedAt(ViewStep step, int times, QPointF position) = 0;
    // The context menu, at a point in global logical coordinates.
    virtual void ViewMenuRequested(const QPoint& globalPosition) = 0;
    // A press in the view: it takes the keyboard focus.
    virtual void ViewPressed() = 0;
    // A left-button press and release with hardly any motion between, at a
    // point in logical pixels from the view's top-left corner.
    virtual void ViewClicked(QPointF position) = 0;
    // The pointer has rested at a point for a moment, no button held.
    virtual void ViewPointerRested(QPointF position) = 0;
    // The pointer moves over the view, or leaves it (no position).
    virtual void ViewPointerMoved(std::optional<QPointF> position) = 0;
};
