#pragma once

#include <QPoint>
#include <QPointF>

#include <optional>

// What the hand did in the view, as its window reads the window system's
// events; what each gesture does is the owner's to say.
enum class Gesture {
    LeftDrag,      // the left button held and moved past a click's slop
    MiddleDrag,    // the middle button held and moved
    ShiftDrag,     // Shift and the left button held and moved
    WheelAway,     // the wheel turned away from the user
    WheelTowards,  // the wheel turned towards the user
    Click,         // the left button pressed and released with hardly any motion between
    Rest,          // the pointer at rest a moment, no button held
    RightPress,    // the right button pressed
};

// How far and where. Positions are logical pixels from the view's top-left
// corner; the global one is the window system's, for a menu to open at.
struct GestureAmount {
    QPointF position = {};
    QPoint globalPosition = {};
    // A drag's motion (x right, y down) summed since the last frame.
    QPointF motion = {};
    // Whole wheel notches, at most as many as cross the zoom's whole range.
    int notches = 0;
};

// Where the view's window hands on what the hand did.
class ViewInput {
public:
    virtual ~ViewInput() = default;
    // Drags come once a frame, however many motions they sum; everything
    // else as it happens.
    virtual void ViewGesture(Gesture gesture, const GestureAmount& amount) = 0;
    // Any button pressed in the view: it takes the keyboard focus.
    virtual void ViewPressed() = 0;
    // The pointer moves over the view, or leaves it or presses (no position).
    virtual void ViewPointerMoved(std::optional<QPointF> position) = 0;
};
