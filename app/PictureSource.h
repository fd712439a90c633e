#pragma once

#include <QImage>
#include <QSize>

struct WheelConfig;

// Where the pictures to keep come from: the view's frames, as shown or drawn
// larger for print.
class PictureSource {
public:
    virtual ~PictureSource() = default;
    // One frame, drawn and presented as any other, read back before it is
    // presented: the picture the view shows, at its device pixels, without
    // its focus frame. Null when no frame can be drawn.
    virtual QImage GrabFrame() = 0;
    // The view's size in device pixels.
    virtual QSize ViewPixelSize() const = 0;
    // The widest picture DrawPrintFrame can draw; 0 without GL.
    virtual int LargestPrintWidth() = 0;
    // The view's picture at a larger width, the height in proportion, with
    // the same framing and list, drawn off screen. Null when the GL cannot
    // hold it.
    virtual QImage DrawPrintFrame(int width) = 0;
    // The rim the pictures show beside the current one; null without one.
    virtual const WheelConfig* Reference() const = 0;
};
