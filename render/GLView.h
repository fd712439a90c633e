#pragma once

#include "ScaleFollower.h"
#include "ViewInput.h"

#include <QPointF>
#include <QTimer>
#include <QWindow>

#include <functional>

// The native window the GL view draws on. It paints when it is exposed, or
// when an update is asked for while it can present; the owner decides what a
// paint draws. When its device pixel ratio changes it rescales instead: the
// owner sets the view up for the new device size and draws. Mouse and wheel
// events become gestures for the input it is given; keys go to the widget
// that holds the focus for the view.
class GLView : public QWindow {
public:
    GLView(std::function<void()> paint, std::function<void()> rescale);

    // Where the mouse's and the wheel's gestures go; none until it is set.
    void SetInput(ViewInput* input) { Input = input; }

protected:
    void exposeEvent(QExposeEvent* event) override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void PostDragFrame();
    void DrawPendingDrag();
    void PointerLeft();

    std::function<void()> Paint;
    ScaleFollower Scale;
    ViewInput* Input = nullptr;

    // A left press turns into a drag once the pointer has moved a few
    // pixels; released before that, it is a click. A middle press, or a left
    // one with Shift, is a drag from the first pixel.
    bool Pressed = false;
    bool Dragging = false;
    Qt::MouseButton DirectButton = Qt::NoButton;
    Gesture DirectGesture = Gesture::MiddleDrag;
    QPointF PressPoint;
    QPointF LastPointer;
    // Runs out when the pointer has rested, no button held.
    QTimer Rest;
    QPointF RestPoint;
    // Motion read since the last drag frame; drawn once the events queued
    // behind it are read too, so that a slow frame never builds a backlog.
    QPointF PendingDrag;
    QPointF PendingDirect;
    bool DragFramePosted = false;
    // Wheel travel short of a whole notch, in eighths of a degree.
    long long WheelRemainder = 0;
};
