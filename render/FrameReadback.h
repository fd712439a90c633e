#pragma once

#include <QImage>
#include <QSize>

#include <functional>

// Pictures of frames, read back where they are drawn.

// The back buffer's pixels at the given size from the lower-left corner,
// alpha as the buffer holds it, with the top row first.
QImage ReadBackBuffer(QSize pixels);

// Draws a frame off screen at the given size in the current context and
// returns its picture; null when the context cannot draw off screen. The
// frame is drawn in tiles, each by `draw`, which is given the tile's lower
// left corner in the frame and sets the frame's viewport moved by minus that
// corner. The window's framebuffer is bound again afterwards, untouched.
QImage DrawOffscreen(QSize pixels, const std::function<void(QPoint tile)>& draw);

// What the current context can draw off screen: the largest viewport, in
// pixels; 0 where it cannot draw off screen.
struct OffscreenLimits {
    int viewportWidth = 0;
    int viewportHeight = 0;
};
OffscreenLimits QueryOffscreenLimits();
