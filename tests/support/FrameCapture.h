#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <deque>
#include <utility>

class QWidget;
class TOpenGL_box;

// Shows the window at its start-up size, which gives the view its GL, and
// waits until it is on screen and the view can present frames.
bool ShowAndExpose(TOpenGL_box& box);

// Makes the window the active one, so that keys reach its focus widget. A
// compositor without a keyboard activates no window; then the activation is
// taken in-process.
bool ActivateForKeys(QWidget& window);

// Draws one frame through RenderScene and returns the back buffer as it is
// about to be presented, in device pixels of the view (top row first).
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
