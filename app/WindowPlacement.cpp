#include "WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

const QSize MinClientSize(800, 600);
const QSize OuterSize(808, 630);

// The client size asked for, made smaller where the screen's free area,
// less the frame the window system adds, is smaller.
QSize FitToScreen(QSize wanted, const QScreen* screen, QSize frame)
{
    if (!screen)
        return wanted;
    return wanted.boundedTo(screen->availableGeometry().size() - frame).expandedTo(QSize(1, 1));
}

}  // namespace

WindowPlacement::WindowPlacement(QWidget& window)
    : Window(window)
{
    Window.installEventFilter(this);
}

QSize WindowPlacement::LeastClientSize() const
{
    return FitToScreen(MinClientSize, Window.screen(), FrameSize);
}

QSize WindowPlacement::StartClientSize() const
{
    // A screen too small for the least size is filled as far as it allows.
    const QSize least = LeastClientSize();
    return least == MinClientSize ? (OuterSize - FrameSize).expandedTo(least) : least;
}

void WindowPlacement::SizeForStart()
{
    // Told to the window system, so that a window manager keeps the client
    // from being dragged smaller; the resize handler corrects the rest. A
    // screen smaller than that sets the least size itself.
    Window.setMinimumSize(LeastClientSize());
    Window.resize(StartClientSize());
}

void WindowPlacement::Shown()
{
    if (Fitted)
        return;
    Window.windowHandle()->installEventFilter(this);
    FitOuterSize();
}

void WindowPlacement::PlaceOnScreen()
{
    const QScreen* screen = Window.screen() ? Window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // Centred; on a screen too small for it, the header and the panel's
    // top-left stay in view. Wayland leaves placement to the compositor.
    const QRect area = screen->availableGeometry();
    QPoint topLeft = area.center() - QPoint(OuterSize.width() / 2, OuterSize.height() / 2) + QPoint(1, 1);
    topLeft.setX(std::max(topLeft.x(), area.left()));
    topLeft.setY(std::max(topLeft.y(), area.top()));
    Window.move(topLeft);
}

void WindowPlacement::FitOuterSize()
{
    // The outer size counts the frame the window system adds, known only
    // once the window is on screen: at once on Wayland, once a window
    // manager has framed it on X11. The minimum client size comes first.
    const QSize frame = Window.frameGeometry().size() - Window.size();
    if (Fitted || frame.isNull())
        return;
    Fitted = true;
    FrameSize = frame;
    SizeForStart();
    PlaceOnScreen();
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &Window && event->type() == QEvent::Show) {
        Window.removeEventFilter(this);
        PlaceOnScreen();
    }
    // A window manager frames the window before the server exposes it; one
    // that has not framed it by then never will. The frame is measured this
    // once: later, while a size the window asked for is still on its way,
    // Qt takes the difference to the server's size for a frame.
    if (watched == Window.windowHandle() && event->type() == QEvent::Expose) {
        Window.windowHandle()->removeEventFilter(this);
        FitOuterSize();
        Fitted = true;
    }
    return QObject::eventFilter(watched, event);
}
