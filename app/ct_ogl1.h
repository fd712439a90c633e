#pragma once

#include "PixelFormat.h"
#include "SceneHost.h"
#include "WheelConfig.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <cstdint>

class GLView;
class ViewCommands;
class QOpenGLContext;
class QWindow;
class TFrameSteuerung;

// The main window: the control panel on the left and the GL view over the
// rest of the client area. It owns the configuration and the view's GL
// resources from creation to destruction.
class TOpenGL_box : public QWidget, public SceneHost {
    Q_OBJECT
public:
    TOpenGL_box();
    ~TOpenGL_box() override;

    void BuildWheelList() override;
    void RenderScene() override;

    WheelConfig& Config() { return Wheel; }
    TFrameSteuerung* Panel() const { return FrameSteuerung1; }
    GLView* View() const { return GLWindow; }
    bool HasGLContext() const { return GLContext != nullptr; }
    std::uint32_t Palette() const { return PaletteHandle; }
    // The pixel format the view was given.
    const PixelFormatDescription& DescribedFormat() const { return Described; }
    // The widget that holds the view in the panel's tab chain.
    QWidget* ViewWidget() const { return ViewContainer; }
    // The orientation captured from GL at start-up.
    const std::array<float, 16>& StartRotation() const { return StartRotMatrix; }

    // The view's size in device pixels.
    QSize ViewPixelSize() const;
    // One frame, drawn and presented as any other, read back before it is
    // presented: the picture the view shows, without its focus frame. Null
    // when no frame can be drawn.
    QImage GrabFrame();
    // The view's picture at a larger width, the height in proportion, with
    // the same framing and list, drawn off screen. Null when the GL cannot
    // hold it.
    QImage DrawPrintFrame(int width);
    // The widest picture DrawPrintFrame can draw here; 0 without GL.
    int LargestPrintWidth();

    void setVisible(bool visible) override;

signals:
    // The frame is complete in the back buffer and about to be presented.
    void FrameDrawn();
    void FramePresented();
    void WheelListBuilt();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The creation handler in two halves: what needs no native window runs
    // when the window is made; the GL steps, in their order, when it is
    // first shown, since on Wayland the view has no surface before that and
    // GL drawn then fails.
    void FormCreate();
    void FormCreateGL();
    void FormResize();
    void FormDestroy();
    void HandlePaint();
    void SetupPixelFormat();
    void SetViewport();
    void PlaceOnScreen();
    void FitOuterSize();
    void DrawAndPresent(QImage* picture);
    bool ViewHasFocus() const;

    WheelConfig Wheel;
    TFrameSteuerung* FrameSteuerung1 = nullptr;
    GLView* GLWindow = nullptr;
    QWidget* ViewContainer = nullptr;
    ViewCommands* Commands = nullptr;
    std::array<float, 16> StartRotMatrix{};

    QWindow* DeviceContext = nullptr;
    QOpenGLContext* GLContext = nullptr;
    std::uint32_t PaletteHandle = 0;
    PixelFormatDescription Described;

    bool GLCreated = false;
    bool FrameOpen = false;
    bool Placed = false;
    bool Fitted = false;
};
