#include "ct_ogl1.h"

#include "ErrorDialog.h"
#include "FrameReadback.h"
#include "FrameRenderer.h"
#include "GLBinding.h"
#include "GLView.h"
#include "InitialGLState.h"
#include "Unit1.h"
#include "ViewCommands.h"
#include "WheelList.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {
constexpr int PanelWidth = TFrameSteuerung::PanelWidth;
constexpr int MinClientWidth = 800;
constexpr int MinClientHeight = 600;
const QSize OuterSize(808, 630);
}  // namespace

TOpenGL_box::TOpenGL_box()
{
    setObjectName("OpenGL_box");
    setWindowTitle(QStringLiteral("TZ MarloQuent - Radbauformen"));
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::Button));
    setPalette(p);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);

    FrameSteuerung1 = new TFrameSteuerung(Wheel, *this, this);
    FrameSteuerung1->move(0, 0);
    Commands = new ViewCommands(*this);
    // A new scale keeps the model and the logical size: a new viewport and a frame.
    GLWindow = new GLView([this] { HandlePaint(); },
                          [this] {
                              SetViewport();
                              RenderScene();
                          },
                          *Commands);
    // The container is a native child that stacks above its siblings, so it
    // covers only the area right of the panel.
    ViewContainer = QWidget::createWindowContainer(GLWindow, this);
    ViewContainer->setObjectName("GLViewContainer");
    // It holds the keyboard focus for the view, between the panel's last
    // button and its first, and passes the view's keys on.
    ViewContainer->setFocusPolicy(Qt::StrongFocus);
    ViewContainer->installEventFilter(this);
    setTabOrder(FrameSteuerung1->LastInTabOrder(), ViewContainer);
    setTabOrder(ViewContainer, FrameSteuerung1->FirstInTabOrder());
    ViewContainer->setAccessibleName(QStringLiteral("Ansicht der Felge"));
    connect(this, &TOpenGL_box::WheelListBuilt, Commands, &ViewCommands::DescribeView);
    // The view goes on screen only once its pixel format is set.
    ViewContainer->hide();

    // Told to the window system, so that a window manager keeps the client
    // from being dragged smaller; the resize handler corrects the rest.
    setMinimumSize(MinClientWidth, MinClientHeight);
    resize(OuterSize);
    FormCreate();
}

TOpenGL_box::~TOpenGL_box()
{
    FormDestroy();
    // The view goes before the commands it hands its input to.
    delete ViewContainer;
}

void TOpenGL_box::FormCreate()
{
    FrameSteuerung1->resize(PanelWidth, height());
    SetInitialConfig(Wheel);
}

void TOpenGL_box::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    if (visible && !Fitted) {
        windowHandle()->installEventFilter(this);
        FitOuterSize();
    }
    if (visible && !GLCreated) {
        GLCreated = true;
        FormCreateGL();
    }
}

void TOpenGL_box::FormCreateGL()
{
    DeviceContext = GLWindow;
    SetupPixelFormat();
    ViewContainer->show();
    GLContext = CreateGLContext(DeviceContext);
    if (!GLContext || !MakeCurrent(DeviceContext, GLContext)) {
        DeleteGLContext(GLContext);
        GLContext = nullptr;
        ViewContainer->hide();
        return;
    }

    // Off X11 the configuration is settled only now, by the first binding.
    Described = DescribePixelFormat(DeviceContext, GLContext);

    SetupInitialGLState(Wheel);
    StartRotMatrix = Wheel.RotMatrix;
    Wheel.AspectRatio = static_cast<double>(width()) / height();
    // No resize arrives once the context exists, so the viewport the resize
    // handler would set is put in place here.
    SetViewport();
    BuildWheelList();
    // A frame the window cannot present yet would be drawn for nothing: the
    // first expose draws it again, and that frame is the first seen.
    if (CanPresent(DeviceContext))
        RenderScene();
}

void TOpenGL_box::SetupPixelFormat()
{
    SetPixelFormat(DeviceContext, RequestedPixelFormat());
    Described = DescribePixelFormat(DeviceContext);
    if ((Described.dwFlags & PFD_NEED_PALETTE) == 0)
        return;
    PaletteHandle = CreatePalette(DeviceContext, BuildPaletteEntries(Described));
    if (PaletteHandle != 0)
        SelectPalette(DeviceContext, PaletteHandle);
}

void TOpenGL_box::FormResize()
{
    FrameSteuerung1->resize(PanelWidth, height());
    // Without a window manager nothing else keeps the client at its minimum.
    // A correction may come back as a nested resize, which runs this handler
    // afresh on the corrected size; the outer call then redoes the same steps.
    // Both sides are corrected in one request, so that a size the window
    // system has not confirmed yet cannot undo the other side's correction.
    const QSize minimum(std::max(width(), MinClientWidth), std::max(height(), MinClientHeight));
    if (minimum != size())
        resize(minimum);
    ViewContainer->setGeometry(PanelWidth, 0, std::max(0, width() - PanelWidth), height());
    Wheel.AspectRatio = static_cast<double>(width()) / height();
    SetViewport();
    GLWindow->requestUpdate();
}

void TOpenGL_box::SetViewport()
{
    if (!GLContext || !MakeCurrent(DeviceContext, GLContext))
        return;
    SetFrameViewport(width(), height(), PanelWidth, GLWindow->devicePixelRatio());
}

void TOpenGL_box::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FormResize();
}

void TOpenGL_box::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!Placed) {
        Placed = true;
        PlaceOnScreen();
    }
}

void TOpenGL_box::PlaceOnScreen()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // Centred; on a screen too small for it, the header and the panel's
    // top-left stay in view. Wayland leaves placement to the compositor.
    const QRect area = screen->availableGeometry();
    QPoint topLeft = area.center() - QPoint(OuterSize.width() / 2, OuterSize.height() / 2) + QPoint(1, 1);
    topLeft.setX(std::max(topLeft.x(), area.left()));
    topLeft.setY(std::max(topLeft.y(), area.top()));
    move(topLeft);
}

void TOpenGL_box::FitOuterSize()
{
    // The outer size counts the frame the window system adds, known only
    // once the window is on screen: at once on Wayland, once a window
    // manager has framed it on X11. The minimum client size comes first.
    const QSize frame = frameGeometry().size() - size();
    if (Fitted || frame.isNull())
        return;
    Fitted = true;
    resize((OuterSize - frame).expandedTo(minimumSize()));
    PlaceOnScreen();
}

bool TOpenGL_box::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ViewContainer) {
        switch (event->type()) {
        case QEvent::KeyPress:
            return GLWindow->HandleKey(*static_cast<QKeyEvent*>(event));
        case QEvent::FocusIn:
            // The focus frame comes and goes with a frame of its own. The
            // container would hand the focus on to the view's window, which
            // takes none, so that Tab keeps working from here.
            RenderScene();
            return true;
        case QEvent::FocusOut:
            RenderScene();
            break;
        default:
            break;
        }
        return QWidget::eventFilter(watched, event);
    }
    // A window manager frames the window before the server exposes it; one
    // that has not framed it by then never will. The frame is measured this
    // once: later, while a size the window asked for is still on its way,
    // Qt takes the difference to the server's size for a frame.
    if (watched == windowHandle() && event->type() == QEvent::Expose) {
        windowHandle()->removeEventFilter(this);
        FitOuterSize();
        Fitted = true;
    }
    return QWidget::eventFilter(watched, event);
}

void TOpenGL_box::HandlePaint()
{
    RenderScene();
}

void TOpenGL_box::BuildWheelList()
{
    if (!GLContext || !MakeCurrent(DeviceContext, GLContext))
        return;
    RecordUnseen([this] { ::BuildWheelList(Wheel); });
    emit WheelListBuilt();
}

void TOpenGL_box::RenderScene()
{
    DrawAndPresent(nullptr);
}

QImage TOpenGL_box::GrabFrame()
{
    QImage picture;
    DrawAndPresent(&picture);
    return picture;
}

QSize TOpenGL_box::ViewPixelSize() const
{
    const qreal ratio = GLWindow->devicePixelRatio();
    return {static_cast<int>(std::lround(GLWindow->width() * ratio)),
            static_cast<int>(std::lround(GLWindow->height() * ratio))};
}

bool TOpenGL_box::ViewHasFocus() const
{
    return ViewContainer->hasFocus() && isActiveWindow();
}

void TOpenGL_box::DrawAndPresent(QImage* picture)
{
    // A paint that arrives while the error dialog holds a frame open is served
    // by that frame's swap.
    if (!GLContext || FrameOpen || !MakeCurrent(DeviceContext, GLContext))
        return;
    FrameOpen = true;
    if (DrawFrame(Wheel) != GL_NO_ERROR) {
        ShowGLErrorDialog(this);
        MakeCurrent(DeviceContext, GLContext);
    }
    emit FrameDrawn();
    if (picture)
        *picture = ReadBackBuffer(ViewPixelSize());
    if (ViewHasFocus()) {
        const QSize pixels = ViewPixelSize();
        const int thickness = static_cast<int>(std::lround(2 * GLWindow->devicePixelRatio()));
        DrawFocusFrame(pixels.width(), pixels.height(), thickness);
    }
    const bool presented = SwapBuffers(DeviceContext, GLContext);
    FrameOpen = false;
    if (presented)
        emit FramePresented();
}

int TOpenGL_box::LargestPrintWidth()
{
    const QSize view = ViewPixelSize();
    if (!GLContext || view.isEmpty() || !MakeCurrent(DeviceContext, GLContext))
        return 0;
    // The viewport spans the whole client area, wider than the picture.
    const OffscreenLimits limits = QueryOffscreenLimits();
    const double ratio = GLWindow->devicePixelRatio();
    const double scale =
        std::min(limits.viewportWidth / (width() * ratio), limits.viewportHeight / (height() * ratio));
    return static_cast<int>(std::floor(view.width() * scale));
}

QImage TOpenGL_box::DrawPrintFrame(int width)
{
    const QSize view = ViewPixelSize();
    if (view.isEmpty() || width <= 0 || width > LargestPrintWidth() || FrameOpen)
        return {};
    // The whole client area scaled alike, shifted under the panel as on
    // screen: the same framing at more pixels.
    const double scale = static_cast<double>(width) / view.width();
    const QSize pixels(width, static_cast<int>(std::lround(view.height() * scale)));
    const double ratio = GLWindow->devicePixelRatio() * scale;
    FrameOpen = true;
    GLenum error = GL_NO_ERROR;
    QImage picture = DrawOffscreen(pixels, [&](QPoint tile) {
        SetFrameViewport(this->width(), height(), PanelWidth, ratio, tile);
        const GLenum tileError = DrawFrame(Wheel);
        if (error == GL_NO_ERROR)
            error = tileError;
    });
    SetViewport();
    FrameOpen = false;
    return error == GL_NO_ERROR ? picture : QImage();
}

void TOpenGL_box::FormDestroy()
{
    if (GLContext && MakeCurrent(DeviceContext, GLContext) && Wheel.WheelList != 0)
        glDeleteLists(Wheel.WheelList, 1);
    MakeCurrent(nullptr, nullptr);
    DeleteGLContext(GLContext);
    GLContext = nullptr;
    DeviceContext = nullptr;
    if (PaletteHandle != 0)
        DeletePalette(PaletteHandle);
    PaletteHandle = 0;
}
