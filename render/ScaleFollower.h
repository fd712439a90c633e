#pragma once

#include <QMetaObject>
#include <QObject>

#include <functional>

class QScreen;
class QWindow;

// Follows a window's device pixel ratio. Moved to a screen of another scale,
// or with its screen's scale changed, a window may keep its logical size, so
// that no resize tells its owner: this does, once per change, so that the
// owner sets the view up for the new device size and draws at once.
class ScaleFollower : public QObject {
public:
    ScaleFollower(QWindow& window, std::function<void()> rescale);

    // Rescales when the ratio differs from the one last drawn at; true then.
    bool Follow();

private:
    void WatchScreen(QScreen* screen);

    QWindow& Window;
    std::function<void()> Rescale;
    qreal Scale;
    QMetaObject::Connection ScreenGeometry;
    QMetaObject::Connection ScreenDpi;
};
