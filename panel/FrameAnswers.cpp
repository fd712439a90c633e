#include "FrameAnswers.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace {

// Qt takes a frame for lost after 100 ms, but a compositor starved on a
// loaded machine answers later still, and a hide then would race it. Only
// a window the compositor does not show (one minimised, say) waits this long.
constexpr int AnswerTimeoutMs = 2000;

// Waits for the update asked of each window, which the platform delivers
// only once the compositor has answered the window's last frame.
class FrameProbe : public QObject {
public:
    // Goes with the context, should that go first.
    FrameProbe(const QList<QWindow*>& windows, QObject* context, std::function<void()> then)
        : QObject(context)
        , Context(context)
        , Then(std::move(then))
    {
        for (QWindow* window : windows) {
            Waiting << window;
            window->installEventFilter(this);
            window->requestUpdate();
        }
        Timeout.setSingleShot(true);
        connect(&Timeout, &QTimer::timeout, this, &FrameProbe::Finish);
        Timeout.start(AnswerTimeoutMs);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::UpdateRequest || !Waiting.contains(watched))
            return false;
        watched->removeEventFilter(this);
        Waiting.removeIf([watched](const QPointer<QObject>& w) { return !w || w == watched; });
        if (Waiting.isEmpty())
            Finish();
        return true;
    }

private:
    void Finish()
    {
        if (Finished)
            return;
        Finished = true;
        Timeout.stop();
        for (const QPointer<QObject>& window : std::as_const(Waiting))
            if (window)
                window->removeEventFilter(this);
        // Runs within the answered window's update: a hide is safe there,
        // deleting that window is not.
        if (Context)
            Then();
        deleteLater();
    }

    QList<QPointer<QObject>> Waiting;
    QPointer<QObject> Context;
    std::function<void()> Then;
    QTimer Timeout;
    bool Finished = false;
};

}  // namespace

bool HidesWaitForFrames()
{
    static const bool onWayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    return onWayland;
}

void AfterFramesAnswered(const QList<QWindow*>& windows, QObject* context, std::function<void()> then)
{
    QList<QWindow*> shown;
    for (QWindow* window : windows)
        if (window && window->handle() && window->isVisible())
            shown << window;
    if (!HidesWaitForFrames() || shown.isEmpty()) {
        then();
        return;
    }
    new FrameProbe(shown, context, std::move(then));
}

QList<QWindow*> WindowsOnScreen()
{
    QList<QWindow*> windows;
    for (QWindow* window : QGuiApplication::allWindows())
        if (window->handle() && window->isVisible())
            windows << window;
    return windows;
}

QList<QWindow*> WindowAndPopups(QWindow* window)
{
    QList<QWindow*> windows{window};
    for (QWindow* shown : WindowsOnScreen())
        if (shown != window && (shown->type() == Qt::Popup || shown->type() == Qt::ToolTip))
            windows << shown;
    return windows;
}

bool HideGate::Open(QWidget& widget, const QList<QWindow*>& windows, std::function<void()> step)
{
    if (Passing || !HidesWaitForFrames() || !widget.isVisible() || !widget.windowHandle())
        return true;
    Held = std::move(step);
    if (!Waiting) {
        Waiting = true;
        AfterFramesAnswered(windows, &widget, [this] {
            Waiting = false;
            Passing = true;
            if (const std::function<void()> step = std::exchange(Held, nullptr))
                step();
            Passing = false;
        });
    }
    return false;
}

bool HideGate::Open(QWidget& widget, std::function<void()> step)
{
    return Open(widget, widget.windowHandle() ? WindowAndPopups(widget.windowHandle()) : QList<QWindow*>{},
                std::move(step));
}
