#pragma once

#include "PixelFormat.h"
#include "SceneHost.h"
#include "WheelConfig.h"

#include <QWidget>

#include <cstdint>

class GLView;
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

    WheelConfig Wheel;
    TFrameSteuerung* FrameSteuerung1 = nullptr;
    GLView* GLWindow = nullptr;
    QWidget* ViewContainer = nullptr;

    QWindow* DeviceContext = nullptr;
    QOpenGLContext* GLContext = nullptr;
    std::uint32_t PaletteHandle = 0;
    PixelFormatDescription Described;

    bool GLCreated = false;
    bool FrameOpen = false;
    bool Placed = false;
    bool Fitted = false;
};
