#include "GLBinding.h"

#include "X11Visual.h"

#include <QGuiApplication>
#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <QWindow>

#include <algorithm>

void SetPixelFormat(QWindow* drawable, const PixelFormatDescription& requested)
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setSwapBehavior((requested.dwFlags & PFD_DOUBLEBUFFER) ? QSurfaceFormat::DoubleBuffer
                                                                    : QSurfaceFormat::SingleBuffer);
    const int perChannel = requested.cColorBits / 3;
    format.setRedBufferSize(perChannel);
    format.setGreenBufferSize(perChannel);
    format.setBlueBufferSize(perChannel);
    format.setAlphaBufferSize(0);
    format.setDepthBufferSize(requested.cDepthBits);
    format.setStencilBufferSize(0);
    // Frames are drawn on demand, one per command: a swap that waited for the
    // display's refresh would only hold up the next click.
    format.setSwapInterval(0);
    drawable->setSurfaceType(QSurface::OpenGLSurface);
    drawable->setFormat(format);
    drawable->create();
}

PixelFormatDescription DescribePixelFormat(QWindow* drawable, const QOpenGLContext* context)
{
    PixelFormatDescription d;
    d.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
    const QSurfaceFormat format = context ? context->format() : drawable->format();
    if (format.swapBehavior() != QSurfaceFormat::SingleBuffer)
        d.dwFlags |= PFD_DOUBLEBUFFER;
    d.cDepthBits = static_cast<std::uint8_t>(std::max(0, format.depthBufferSize()));

    const X11VisualInfo visual = QueryX11Visual(drawable);
    if (!visual.valid) {
        // Not an X window: the platform composes true colour itself.
        d.cRedBits = static_cast<std::uint8_t>(std::max(0, format.redBufferSize()));
        d.cGreenBits = static_cast<std::uint8_t>(std::max(0, format.greenBufferSize()));
        d.cBlueBits = static_cast<std::uint8_t>(std::max(0, format.blueBufferSize()));
        d.cColorBits = static_cast<std::uint8_t>(d.cRedBits + d.cGreenBits + d.cBlueBits);
        d.cGreenShift = d.cRedBits;
        d.cBlueShift = static_cast<std::uint8_t>(d.cRedBits + d.cGreenBits);
        return d;
    }
    d.cColorBits = visual.depth;
    d.cRedBits = visual.redBits;
    d.cRedShift = visual.redShift;
    d.cGreenBits = visual.greenBits;
    d.cGreenShift = visual.greenShift;
    d.cBlueBits = visual.blueBits;
    d.cBlueShift = visual.blueShift;
    if (visual.colourMapped)
        d.dwFlags |= PFD_NEED_PALETTE;
    return d;
}

std::uint32_t CreatePalette(QWindow* drawable, const std::vector<PaletteEntry>& entries)
{
    return CreateX11Colormap(drawable, entries);
}

void SelectPalette(QWindow* drawable, std::uint32_t palette)
{
    InstallX11Colormap(drawable, palette);
}

void DeletePalette(std::uint32_t palette)
{
    FreeX11Colormap(palette);
}

QOpenGLContext* CreateGLContext(QWindow* drawable)
{
    auto* context = new QOpenGLContext;
    context->setFormat(drawable->requestedFormat());
    if (!context->create()) {
        delete context;
        return nullptr;
    }
    return context;
}

bool MakeCurrent(QWindow* drawable, QOpenGLContext* context)
{
    if (!drawable && !context) {
        if (QOpenGLContext* current = QOpenGLContext::currentContext())
            current->doneCurrent();
        return true;
    }
    if (!drawable || !context)
        return false;
    if (QOpenGLContext::currentContext() == context && context->surface() == drawable)
        return true;
    return context->makeCurrent(drawable);
}

void DeleteGLContext(QOpenGLContext* context)
{
    delete context;
}

bool CanPresent(const QWindow* drawable)
{
    if (!drawable || !drawable->handle() || !drawable->isVisible())
        return false;
    // The platform is fixed for the run; this is asked on every frame.
    static const bool onWayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    return onWayland || drawable->isExposed();
}

bool SwapBuffers(QWindow* drawable, QOpenGLContext* context)
{
    if (!context || !CanPresent(drawable))
        return false;
    context->swapBuffers(drawable);
    return true;
}
