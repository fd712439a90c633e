#include "ScaleFollower.h"

#include <QScreen>
#include <QWindow>

ScaleFollower::ScaleFollower(QWindow& window, std::function<void()> rescale)
    : Window(window)
    , Rescale(std::move(rescale))
    , Scale(window.devicePixelRatio())
{
    // A child window is told when its top-level moves to another screen.
    connect(&Window, &QWindow::screenChanged, this, [this](QScreen* screen) {
        WatchScreen(screen);
        Follow();
    });
    WatchScreen(Window.screen());
}

void ScaleFollower::WatchScreen(QScreen* screen)
{
    // A desktop's new scale for the same screen comes with its new logical
    // geometry and dots per inch.
    disconnect(ScreenGeometry);
    disconnect(ScreenDpi);
    if (!screen)
        return;
    ScreenGeometry = connect(screen, &QScreen::geometryChanged, this, [this] { Follow(); });
    ScreenDpi = connect(screen, &QScreen::logicalDotsPerInchChanged, this, [this] { Follow(); });
}

bool ScaleFollower::Follow()
{
    const qreal scale = Window.devicePixelRatio();
    if (scale == Scale)
        return false;
    Scale = scale;
    Rescale();
    return true;
}
