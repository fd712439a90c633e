#pragma once

#include "FrameRenderer.h"
#include "PixelFormat.h"
#include "ViewPan.h"
#include "ViewComponent.h"

#include <QImage>
#include <QPointF>
#include <QSize>

#include <GL/gl.h>

#include <cstdint>
#include <functional>

class QOpenGLContext;
class QWindow;
struct WheelConfig;

// The view's GL, apart from the window it shows in: the context on the view's
// native window with its pixel format and colour map, frames drawn, read back
// and presented, the print-size picture drawn off screen, and the focus
// frame. The main window calls these steps in its own order; without a
// context each of them does nothing.
class ViewRenderer {
public:
    explicit ViewRenderer(QWindow& view);
    ~ViewRenderer();
    ViewRenderer(const ViewRenderer&) = delete;
    ViewRenderer& operator=(const ViewRenderer&) = delete;

    // Creation, in this order. The pixel format and, on a colour-mapped
    // display, the palette; then the context, made current (false, holding
    // nothing, when the view can have no GL); then the GL state of the whole
    // run, whose start orientation goes into c.
    void SetupPixelFormat();
    bool CreateContext();
    void SetupInitialState(WheelConfig& c);

    bool HasContext() const { return Context != nullptr; }
    const PixelFormatDescription& DescribedFormat() const { return Described; }
    std::uint32_t Palette() const { return PaletteHandle; }
    // The view's size in device pixels.
    QSize PixelSize() const;

    // The viewport of the whole client area, shifted half the view's left
    // edge under the panel; kept for the frames to come and set again after a
    // print-size picture. Sizes are logical pixels.
    void SetViewport(QSize client, int viewLeft);
    // Where the picture lies on screen, for the pan's rules.
    ViewArea Area() const;
    // Runs a list build with the context current, rasterising nothing.
    void Record(const std::function<void()>& record);

    // A frame in its steps: Begin says whether one can be drawn now (not
    // while another is open, as under the error dialog); Draw holds the pan
    // inside the view as it is now and draws it and
    // hands a GL error found at its end to reportError, with the context
    // current again afterwards; ReadBack gives the picture drawn, without
    // the focus frame; End adds the focus frame where asked and presents,
    // saying whether the frame reached the screen.
    bool BeginFrame();
    // The reference rim drawn with every frame to come; none by default.
    void SetReference(const ReferenceDrawing& reference) { Reference = reference; }
    void DrawFrame(WheelConfig& c, const std::function<void()>& reportError);
    QImage ReadBack();
    bool EndFrame(bool focused);

    // The component the view shows at a point given in logical pixels from
    // its top-left corner; None while a frame is open or without GL.
    ViewComponent Pick(const WheelConfig& c, QPointF point);

    // The widest print-size picture the GL can draw; 0 without GL.
    int LargestPrintWidth();
    // The view's picture at the given width, the height in proportion, with
    // the same framing, drawn off screen in tiles; null when it cannot be.
    QImage DrawPrintFrame(WheelConfig& c, int width);

    // Destruction, in this order: the wheel's list, then the context, the
    // drawable and the palette.
    void DeleteList(WheelConfig& c);
    void Release();

private:
    bool MakeCurrent();
    void ApplyViewport(double scale, QPoint tile = {});
    ReferenceDrawing ScaledReference(double scale) const;

    QWindow& View;
    QWindow* DeviceContext = nullptr;
    QOpenGLContext* Context = nullptr;
    std::uint32_t PaletteHandle = 0;
    PixelFormatDescription Described;
    QSize Client;
    int ViewLeft = 0;
    bool FrameOpen = false;
    ReferenceDrawing Reference;
};
