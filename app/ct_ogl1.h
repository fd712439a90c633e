#pragma once

#include "FrameAnswers.h"
#include "PictureSource.h"
#include "PixelFormat.h"
#include "SceneHost.h"
#include "ViewRenderer.h"
#include "WheelConfig.h"
#include "WindowPlacement.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>

class GLView;
class PanelScroll;
class ReferenceRim;
class ViewCommands;
class TFrameSteuerung;

// The main window: the control panel on the left and the GL view over the
// rest of the client area. It owns the configuration and, through its
// renderer, the view's GL resources from creation to destruction.
class TOpenGL_box : public QWidget, public SceneHost, public PictureSource {
    Q_OBJECT
public:
    TOpenGL_box();
    ~TOpenGL_box() override;

    void BuildWheelList() override;
    void RenderScene() override;

    WheelConfig& Config() { return Wheel; }
    TFrameSteuerung* Panel() const { return FrameSteuerung1; }
    GLView* View() const { return GLWindow; }
    bool HasGLContext() const { return Renderer->HasContext(); }
    std::uint32_t Palette() const { return Renderer->Palette(); }
    // The pixel format the view was given.
    const PixelFormatDescription& DescribedFormat() const { return Renderer->DescribedFormat(); }
    // The widget that holds the view in the panel's tab chain.
    QWidget* ViewWidget() const { return ViewContainer; }
    // The orientation captured from GL at start-up.
    const std::array<float, 16>& StartRotation() const { return StartRotMatrix; }

    // The component the view shows at a point in logical pixels from its
    // top-left corner.
    ViewComponent ComponentAt(QPointF point);

    // The rim kept for comparison, in place of any before.
    void KeepReference(const WheelConfig& rim);
    const WheelConfig* Reference() const override;

    QImage GrabFrame() override;
    QSize ViewPixelSize() const override;
    int LargestPrintWidth() override;
    QImage DrawPrintFrame(int width) override;

    void setVisible(bool visible) override;

signals:
    // The frame is complete in the back buffer and about to be presented.
    void FrameDrawn();
    void FramePresented();
    void WheelListBuilt();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

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
    void SetViewport();
    void DrawAndPresent(QImage* picture);
    bool ViewHasFocus() const;

    WheelConfig Wheel;
    TFrameSteuerung* FrameSteuerung1 = nullptr;
    PanelScroll* PanelArea = nullptr;
    GLView* GLWindow = nullptr;
    QWidget* ViewContainer = nullptr;
    std::unique_ptr<ViewRenderer> Renderer;
    std::unique_ptr<ReferenceRim> Comparison;
    ViewCommands* Commands = nullptr;
    std::array<float, 16> StartRotMatrix{};
    WindowPlacement Placement{*this};

    // Asked to close, the window draws no more and waits for the compositor
    // to answer the frames on screen; then it closes.
    bool Closing = false;
    HideGate CloseGate;
    bool GLCreated = false;
};
