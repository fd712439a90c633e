#include "GLView.h"

#include "GLBinding.h"

#include <QCoreApplication>
#include <QEvent>
#include <QExposeEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace {

// Posted behind the motion events already queued, so that it runs once they
// have all been summed up.
const QEvent::Type DragFrameEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

// One notch of a common mouse wheel, in eighths of a degree.
constexpr int NotchDelta = 120;
// Touchpads that report only pixels: this many logical pixels make a notch.
constexpr int PixelsPerNotch = 60;
// Motion within this many logical pixels of the press leaves it a click.
constexpr double ClickSlop = 4.0;
// How long the pointer rests before the view names what lies under it, as
// tooltips wait.
constexpr int RestMilliseconds = 500;

double Distance(QPointF a, QPointF b)
{
    const QPointF d = a - b;
    return std::hypot(d.x(), d.y());
}

}  // namespace

GLView::GLView(std::function<void()> paint, std::function<void()> rescale)
    : Paint(std::move(paint))
    , Scale(*this, std::move(rescale))
{
    setSurfaceType(QSurface::OpenGLSurface);
    // The keyboard focus stays with the main window, whose focus widget for
    // the view passes its keys here: a native child that took the focus
    // itself would keep Tab from ever reaching the panel again.
    setFlag(Qt::WindowDoesNotAcceptFocus);
    Rest.setSingleShot(true);
    Rest.setInterval(RestMilliseconds);
    connect(&Rest, &QTimer::timeout, this, [this] {
        if (Input && !Pressed)
            Input->ViewGesture(Gesture::Rest, {.position = RestPoint});
    });
}

void GLView::exposeEvent(QExposeEvent*)
{
    // An expose that takes the window off screen asks for nothing.
    if (isExposed() && !Scale.Follow())
        Paint();
}

bool GLView::event(QEvent* event)
{
    if (event->type() == QEvent::UpdateRequest) {
        // Resizes ask for their frame this way; on Wayland the view may
        // never be reported exposed, yet what it presents is shown.
        if (CanPresent(this) && !Scale.Follow())
            Paint();
        return true;
    }
    if (event->type() == DragFrameEvent) {
        DrawPendingDrag();
        return true;
    }
    if (event->type() == QEvent::Leave)
        PointerLeft();
    return QWindow::event(event);
}

void GLView::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    Rest.stop();
    if (!Input)
        return;
    Input->ViewPointerMoved(std::nullopt);
    Input->ViewPressed();
    const bool shifted = event->modifiers() & Qt::ShiftModifier;
    if (event->button() == Qt::MiddleButton || (event->button() == Qt::LeftButton && shifted)) {
        DirectButton = event->button();
        DirectGesture = event->button() == Qt::MiddleButton ? Gesture::MiddleDrag : Gesture::ShiftDrag;
        Pressed = Dragging = false;
        LastPointer = event->position();
    } else if (event->button() == Qt::LeftButton) {
        DirectButton = Qt::NoButton;
        Pressed = true;
        Dragging = false;
        PressPoint = LastPointer = event->position();
    } else if (event->button() == Qt::RightButton) {
        Input->ViewGesture(Gesture::RightPress,
                           {.position = event->position(), .globalPosition = event->globalPosition().toPoint()});
    }
}

void GLView::mouseMoveEvent(QMouseEvent* event)
{
    if (DirectButton != Qt::NoButton && (event->buttons() & DirectButton)) {
        PendingDirect += event->position() - LastPointer;
        LastPointer = event->position();
        PostDragFrame();
        return;
    }
    DirectButton = Qt::NoButton;
    if (!(event->buttons() & Qt::LeftButton) || !Pressed) {
        Pressed = Dragging = false;
        if (event->buttons() == Qt::NoButton) {
            RestPoint = event->position();
            Rest.start();
        }
        if (Input)
            Input->ViewPointerMoved(event->position());
        return;
    }
    // The drag turns by all the motion since the press, once it is one.
    if (!Dragging && Distance(event->position(), PressPoint) < ClickSlop)
        return;
    Dragging = true;
    PendingDrag += event->position() - LastPointer;
    LastPointer = event->position();
    PostDragFrame();
}

void GLView::PostDragFrame()
{
    if (!DragFramePosted && !(PendingDrag.isNull() && PendingDirect.isNull())) {
        DragFramePosted = true;
        QCoreApplication::postEvent(this, new QEvent(DragFrameEvent));
    }
}

void GLView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == DirectButton)
        DirectButton = Qt::NoButton;
    if (event->button() != Qt::LeftButton)
        return;
    const bool click = Pressed && !Dragging;
    Pressed = Dragging = false;
    if (click && Input)
        Input->ViewGesture(Gesture::Click, {.position = event->position()});
}

void GLView::PointerLeft()
{
    Rest.stop();
    if (Input)
        Input->ViewPointerMoved(std::nullopt);
}

void GLView::DrawPendingDrag()
{
    DragFramePosted = false;
    const QPointF drag = std::exchange(PendingDrag, {});
    const QPointF direct = std::exchange(PendingDirect, {});
    if (!Input)
        return;
    if (!drag.isNull())
        Input->ViewGesture(Gesture::LeftDrag, {.position = LastPointer, .motion = drag});
    if (!direct.isNull())
        Input->ViewGesture(DirectGesture, {.position = LastPointer, .motion = direct});
}

void GLView::wheelEvent(QWheelEvent* event)
{
    event->accept();
    if (!Input)
        return;
    // What lies under the pointer changes with the zoom: named again once
    // the pointer rests.
    Input->ViewPointerMoved(std::nullopt);
    RestPoint = event->position();
    Rest.start();
    // Fine wheels and touchpads report parts of a notch; they add up. The
    // angle is used whenever given, so that no turn counts twice.
    const int delta = event->angleDelta().y() != 0 || event->pixelDelta().isNull()
                          ? event->angleDelta().y()
                          : event->pixelDelta().y() * NotchDelta / PixelsPerNotch;
    WheelRemainder += delta;
    const long long notches = WheelRemainder / NotchDelta;
    WheelRemainder -= notches * NotchDelta;
    // More notches at once than it takes to cross the zoom's whole range
    // change nothing more.
    const int steps = static_cast<int>(std::min(std::llabs(notches), 64LL));
    if (notches != 0)
        Input->ViewGesture(notches > 0 ? Gesture::WheelAway : Gesture::WheelTowards,
                           {.position = event->position(), .notches = steps});
}
