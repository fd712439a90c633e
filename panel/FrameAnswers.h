#pragma once

#include <QList>

#include <functional>

class QObject;
class QWidget;
class QWindow;

// Qt 6.4.2's Wayland client destroys a window's frame callback twice when
// the window is hidden on this thread while its event thread takes the
// compositor's answer to that frame, and aborts. A window is therefore
// hidden only once the compositor has answered its last frame: asked for an
// update, the platform delivers it only when no frame is pending.

// Whether hides wait for the compositor; only Wayland needs it.
bool HidesWaitForFrames();

// Calls `then` once the compositor has answered the last frame of each
// window given that is on screen, or after two seconds should it not
// answer (a window it does not show). The update each window is asked for is
// taken here and paints nothing. Without Wayland, or with no window on
// screen, `then` runs at once. Nothing runs once `context` has gone.
void AfterFramesAnswered(const QList<QWindow*>& windows, QObject* context, std::function<void()> then);

// Every window of the program on screen: its top-level windows and their
// native children, such as the GL view.
QList<QWindow*> WindowsOnScreen();

// The window and every popup and tooltip on screen: hiding a window takes
// down the popups that the compositor placed on it.
QList<QWindow*> WindowAndPopups(QWindow* window);

// Holds a widget's hide, close or dialog answer until the compositor has
// answered the last frames of the windows given; then takes the step. A
// closed window is destroyed at once, not only hidden, so closes are held
// as hides are. Held again and again, the latest step is the one taken.
class HideGate {
public:
    // True when the step may be taken now: no frame to wait for, or the
    // gate is taking a held step. Otherwise `step` is held.
    bool Open(QWidget& widget, const QList<QWindow*>& windows, std::function<void()> step);
    // The window and its popups' frames.
    bool Open(QWidget& widget, std::function<void()> step);
    // Shown again: nothing held is taken.
    void Cancel() { Held = nullptr; }

private:
    std::function<void()> Held;
    bool Waiting = false;
    bool Passing = false;
};
