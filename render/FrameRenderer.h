#pragma once

#include <QPoint>

#include <GL/gl.h>

#include <functional>

struct WheelConfig;

// A reference rim drawn with the wheel: its display list, its offset in mm,
// by which its mounting face is laid on the wheel's, and the size of its
// points in framebuffer pixels. No list, no rim.
struct ReferenceDrawing {
    GLuint list = 0;
    double offset = 0.0;
    GLfloat pointSize = 2.0f;
};

// Draws one frame into the back buffer: the gradient background, the pending
// turns folded into c.RotMatrix in the order taken, the clip plane, the polygon style, the
// wheel list and the reference rim. Returns the GL error state read once at
// the end of the frame.
GLenum DrawFrame(WheelConfig& c, const ReferenceDrawing& reference = {});

// The frame's orthographic projection, multiplied onto the current matrix:
// the background's, and with the pan after it, the wheel's.
void MultOrthoProjection(const WheelConfig& c);
void MultPan(const WheelConfig& c);
void MultViewProjection(const WheelConfig& c);
// The half section's clip plane and the polygon style, set under the model's
// rotation. Leaves the clip plane enabled.
void SetWheelStyle(const WheelConfig& c);

// A frame of the given thickness along the edges of the view, in device
// pixels, that shows the view has the keyboard focus. Drawn over a finished
// frame; leaves the frame's state as it found it.
void DrawFocusFrame(int viewWidth, int viewHeight, int thickness);

// Runs a compile-and-execute recording without rasterising what it draws:
// the next frame clears that drawing away unseen, so an empty scissor box
// stops it before any fragment. What the recording records and the state it
// leaves are the same.
void RecordUnseen(const std::function<void()>& record);

// The viewport of a full client area whose left edge lies half a panel width
// left of the view's: the picture is centred on the area right of the panel.
// viewLeft is the view's left edge in the client, the panel's width, all in
// logical pixels;
// devicePixelRatio scales them to the framebuffer's pixels. A frame drawn in
// tiles moves the viewport by minus the tile's corner, in framebuffer pixels.
void SetFrameViewport(int clientWidth, int clientHeight, int viewLeft, double devicePixelRatio,
                      QPoint tile = {});
