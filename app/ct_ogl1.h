#pragma once

#include "ComparisonHost.h"
#include "FrameAnswers.h"
#include "PictureSource.h"
#include "PixelFormat.h"
#include "SceneHost.h"
#include "ViewRenderer.h"
#include "WheelConfig.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

class GLView;
class PanelScroll;
class ViewCommands;
class TFrameSteuerung;

// The main window: the control panel on the left and the GL view over the
// rest of the client area. It owns the configuration and, through its
// renderer, the view's GL resources from creation to destruction.
class TOpenGL_box : public QWidget, public SceneHost, public PictureSource, public ComparisonHost {
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

    // Built at once when the view has its GL, else once it has it; every
    // frame draws it until it is dropped.
    void KeepReference(const WheelConfig& rim) override;
    void DropReference() override;
    const WheelConfig* Reference() const override { return ReferenceRim ? &*ReferenceRim : nullptr; }

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
    void ReferenceChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
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
    void SetViewport();
    void PlaceOnScreen();
    void FitOuterSize();
    // 800 x 600, or what the screen leaves of it; the size to open at, the
    // frame the window system adds counted once it is known.
    QSize LeastClientSize() const;
    QSize StartClientSize() const;
    void DrawAndPresent(QImage* picture);
    bool ViewHasFocus() const;
    void BuildReferenceList();

    WheelConfig Wheel;
    TFrameSteuerung* FrameSteuerung1 = nullptr;
    PanelScroll* PanelArea = nullptr;
    GLView* GLWindow = nullptr;
    QWidget* ViewContainer = nullptr;
    std::unique_ptr<ViewRenderer> Renderer;
    ViewCommands* Commands = nullptr;
    std::array<float, 16> StartRotMatrix{};
    std::optional<WheelConfig> ReferenceRim;

    // Asked to close, the window draws no more and waits for the compositor
    // to answer the frames on screen; then it closes.
    bool Closing = false;
    HideGate CloseGate;
    bool GLCreated = false;
    bool Placed = false;
    bool Fitted = false;
    QSize FrameSize{0, 0};  // the window system's frame, once measured
};
