#pragma once

#include <QImage>
#include <QSize>

#include <functional>

// Pictures of frames, read back where they are drawn.

// The back buffer's pixels at the given size from the lower-left corner, as
// an opaque image with the top row first.
QImage ReadBackBuffer(QSize pixels);

// Draws a frame off screen at the given size in the current context, through
// `draw` (which sets the viewport it needs), and returns its picture. The
// window's framebuffer stays bound afterwards and is not touched. Null when
// the context cannot hold a frame of that size.
QImage DrawOffscreen(QSize pixels, const std::function<void()>& draw);

// What the current context can draw off screen: the largest side of a frame
// and the largest viewport, in pixels.
struct OffscreenLimits {
    int side = 0;
    int viewportWidth = 0;
    int viewportHeight = 0;
};
OffscreenLimits QueryOffscreenLimits();
