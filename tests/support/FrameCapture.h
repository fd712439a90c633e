#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <deque>
#include <functional>
#include <utility>

class QWidget;
class TOpenGL_box;

// Shows the window at its start-up size, which gives the view its GL, and
// waits until it is on screen and the view can present frames.
bool ShowAndExpose(TOpenGL_box& box);

// Serves events until the condition holds; false when it still does not
// after the time given. Each event is taken up as soon as it arrives.
bool ServeUntil(const std::function<bool()>& done, int timeoutMs = 5000);

// Waits until the window's client has the size, as the widget, the X server
// (where there is one) and the view see it.
bool WaitForClientSize(const TOpenGL_box& box, QSize size, int timeoutMs = 5000);

// The first frame of a window shown and then given the client size; null
// when it cannot be had.
QImage StartFrame(TOpenGL_box& box, QSize client);

// Closes a window, a menu or a dialog as a user would, and waits until it
// has gone: on Wayland it goes once the compositor has answered its frame.
bool CloseWindow(QWidget& window);

// Makes the window the active one, so that keys reach its focus widget. A
// compositor without a keyboard activates no window; then the activation is
// taken in-process.
bool ActivateForKeys(QWidget& window);

// Draws and presents one frame as RenderScene does and returns the back
// buffer as it was before it was presented, without the focus frame, in
// device pixels of the view (top row first), alpha as drawn.
QImage CaptureFrame(TOpenGL_box& box);

// Writes an image into the build tree's test-output folder, for a person to
// look at; returns its path.
QString WriteTestImage(const QImage& image, const QString& name);

// Keeps the pictures a test looks at and writes them into the test output if
// the test has failed by the time this goes, early returns of ASSERTs included.
class PicturesOnFailure {
public:
    PicturesOnFailure() = default;
    PicturesOnFailure(const PicturesOnFailure&) = delete;
    PicturesOnFailure& operator=(const PicturesOnFailure&) = delete;
    ~PicturesOnFailure();
    const QImage& Keep(const QImage& image, const QString& name);

private:
    // A deque keeps the pictures it has handed out where they are.
    std::deque<std::pair<QString, QImage>> Kept;
};

// True when every channel of the pixel lies within tolerance/255 of (r, g, b).
bool PixelNear(const QImage& image, int x, int y, double r, double g, double b, double tolerance = 2.0);
