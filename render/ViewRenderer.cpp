#include "ViewRenderer.h"

#include "ComponentPick.h"
#include "FrameReadback.h"
#include "FrameRenderer.h"
#include "GLBinding.h"
#include "InitialGLState.h"
#include "WheelConfig.h"

#include <QOpenGLContext>
#include <QWindow>

#include <algorithm>
#include <cmath>

ViewRenderer::ViewRenderer(QWindow& view)
    : View(view)
{
}

ViewRenderer::~ViewRenderer()
{
    Release();
}

void ViewRenderer::SetupPixelFormat()
{
    // The view's own native window is the drawable, made here with the
    // format: an X window's visual is fixed at creation.
    DeviceContext = &View;
    ::SetPixelFormat(DeviceContext, RequestedPixelFormat());
    Described = DescribePixelFormat(DeviceContext);
    if ((Described.dwFlags & PFD_NEED_PALETTE) == 0)
        return;
    PaletteHandle = CreatePalette(DeviceContext, BuildPaletteEntries(Described));
    if (PaletteHandle != 0)
        SelectPalette(DeviceContext, PaletteHandle);
}

bool ViewRenderer::CreateContext()
{
    Context = CreateGLContext(DeviceContext);
    if (!Context || !MakeCurrent()) {
        DeleteGLContext(Context);
        Context = nullptr;
        return false;
    }
    // Off X11 the configuration is settled only now, by the first binding.
    Described = DescribePixelFormat(DeviceContext, Context);
    return true;
}

void ViewRenderer::SetupInitialState(WheelConfig& c)
{
    if (MakeCurrent())
        SetupInitialGLState(c);
}

QSize ViewRenderer::PixelSize() const
{
    const qreal ratio = View.devicePixelRatio();
    return {static_cast<int>(std::lround(View.width() * ratio)), static_cast<int>(std::lround(View.height() * ratio))};
}

bool ViewRenderer::MakeCurrent()
{
    return Context && ::MakeCurrent(DeviceContext, Context);
}

void ViewRenderer::SetViewport(QSize client, int viewLeft)
{
    Client = client;
    ViewLeft = viewLeft;
    if (MakeCurrent())
        ApplyViewport(1.0);
}

void ViewRenderer::ApplyViewport(double scale, QPoint tile)
{
    SetFrameViewport(Client.width(), Client.height(), ViewLeft, View.devicePixelRatio() * scale, tile);
}

ViewArea ViewRenderer::Area() const
{
    return {static_cast<double>(View.width()), static_cast<double>(View.height()),
            static_cast<double>(Client.width())};
}

ReferenceDrawing ViewRenderer::ScaledReference(double scale) const
{
    // Two screen pixels wide, on any screen and in the larger pictures.
    ReferenceDrawing reference = Reference;
    reference.pointSize = static_cast<GLfloat>(std::max(1.0, std::round(2.0 * View.devicePixelRatio() * scale)));
    return reference;
}

void ViewRenderer::Record(const std::function<void()>& record)
{
    if (MakeCurrent())
        RecordUnseen(record);
}

bool ViewRenderer::BeginFrame()
{
    // A paint that arrives while the error dialog holds a frame open is
    // served by that frame's swap.
    if (FrameOpen || !MakeCurrent())
        return false;
    FrameOpen = true;
    return true;
}

void ViewRenderer::DrawFrame(WheelConfig& c, const std::function<void()>& reportError)
{
    // A view laid out anew, or not yet, keeps the pan as it was.
    if (View.width() > 0 && View.height() > 0 && Client.width() > 0)
        BoundPan(c, Area());
    if (::DrawFrame(c, ScaledReference(1.0)) == GL_NO_ERROR)
        return;
    reportError();
    MakeCurrent();
}

QImage ViewRenderer::ReadBack()
{
    return MakeCurrent() ? ReadBackBuffer(PixelSize()) : QImage();
}

bool ViewRenderer::EndFrame(bool focused)
{
    bool presented = false;
    if (MakeCurrent()) {
        if (focused) {
            const QSize pixels = PixelSize();
            const int thickness = static_cast<int>(std::lround(2 * View.devicePixelRatio()));
            DrawFocusFrame(pixels.width(), pixels.height(), thickness);
        }
        presented = SwapBuffers(DeviceContext, Context);
    }
    FrameOpen = false;
    return presented;
}

ViewComponent ViewRenderer::Pick(const WheelConfig& c, QPointF point)
{
    if (FrameOpen || !MakeCurrent())
        return ViewComponent::None;
    const double ratio = View.devicePixelRatio();
    // Outlines and points are found within 3 pixels of the screen.
    constexpr double Reach = 3.0;
    const double x = std::floor(point.x() * ratio) + 0.5;
    const double y = PixelSize().height() - std::floor(point.y() * ratio) - 0.5;
    return PickComponent(c, x, y, Reach * ratio);
}

int ViewRenderer::LargestPrintWidth()
{
    const QSize view = PixelSize();
    if (view.isEmpty() || Client.isEmpty() || !MakeCurrent())
        return 0;
    // The viewport spans the whole client area, wider than the picture.
    const OffscreenLimits limits = QueryOffscreenLimits();
    const double ratio = View.devicePixelRatio();
    const double scale =
        std::min(limits.viewportWidth / (Client.width() * ratio), limits.viewportHeight / (Client.height() * ratio));
    return static_cast<int>(std::floor(view.width() * scale));
}

QImage ViewRenderer::DrawPrintFrame(WheelConfig& c, int width)
{
    const QSize view = PixelSize();
    if (view.isEmpty() || width <= 0 || width > LargestPrintWidth() || !BeginFrame())
        return {};
    // The whole client area scaled alike, shifted under the panel as on
    // screen: the same framing at more pixels.
    const double scale = static_cast<double>(width) / view.width();
    const QSize pixels(width, static_cast<int>(std::lround(view.height() * scale)));
    GLenum error = GL_NO_ERROR;
    QImage picture = DrawOffscreen(pixels, [&](QPoint tile) {
        ApplyViewport(scale, tile);
        const GLenum tileError = ::DrawFrame(c, ScaledReference(scale));
        if (error == GL_NO_ERROR)
            error = tileError;
    });
    ApplyViewport(1.0);
    FrameOpen = false;
    return error == GL_NO_ERROR ? picture : QImage();
}

void ViewRenderer::DeleteList(WheelConfig& c)
{
    if (c.WheelList != 0 && MakeCurrent())
        glDeleteLists(c.WheelList, 1);
    c.WheelList = 0;
}

void ViewRenderer::Release()
{
    if (!Context && PaletteHandle == 0)
        return;
    ::MakeCurrent(nullptr, nullptr);
    DeleteGLContext(Context);
    Context = nullptr;
    DeviceContext = nullptr;
    if (PaletteHandle != 0)
        DeletePalette(PaletteHandle);
    PaletteHandle = 0;
}
