#include "ct_ogl1.h"

#include "ErrorDialog.h"
#include "FrameAnswers.h"
#include "GLBinding.h"
#include "GLView.h"
#include "PanelScroll.h"
#include "ReferenceRim.h"
#include "ToolTips.h"
#include "Unit1.h"
#include "ViewCommands.h"
#include "ViewControlInput.h"
#include "WheelList.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QResizeEvent>

#include <algorithm>

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
    PanelArea = new PanelScroll(FrameSteuerung1, this);
    // A new scale keeps the model and the logical size: a new viewport and a frame.
    GLWindow = new GLView([this] { HandlePaint(); },
                          [this] {
                              SetViewport();
                              RenderScene();
                          });
    Renderer = std::make_unique<ViewRenderer>(*GLWindow);
    // The differences to the reference follow every change of either rim.
    const auto compared = [this] {
        FrameSteuerung1->ShowComparison(Reference());
        Commands->DescribeView();
    };
    Comparison = std::make_unique<ReferenceRim>(*Renderer, *this, compared);
    // The container is a native child that stacks above its siblings, so it
    // covers only the area right of the panel.
    ViewContainer = QWidget::createWindowContainer(GLWindow, this);
    ViewContainer->setObjectName("GLViewContainer");
    // It holds the keyboard focus for the view, between the panel's last
    // button and its first.
    ViewContainer->setFocusPolicy(Qt::StrongFocus);
    setTabOrder(FrameSteuerung1->LastInTabOrder(), ViewContainer);
    setTabOrder(ViewContainer, FrameSteuerung1->FirstInTabOrder());
    ViewContainer->setAccessibleName(QStringLiteral("Ansicht der Felge"));
    Commands = new ViewCommands({Wheel, *this, *this, *this, *ViewContainer, *GLWindow, StartRotMatrix,
                                 *FrameSteuerung1, [this](QPointF at) { return ComponentAt(at); }, *Comparison,
                                 [this] { return Renderer->Area(); }});
    GLWindow->SetInput(new ViewControlInput(*Commands));
    connect(this, &TOpenGL_box::WheelListBuilt, this, compared);
    // The view goes on screen only once its pixel format is set.
    ViewContainer->hide();

    Placement.SizeForStart();
    FormCreate();
}

TOpenGL_box::~TOpenGL_box()
{
    // Still on screen, the window goes as a closed one does.
    if (isVisible() && HidesWaitForFrames()) {
        close();
        const QDeadlineTimer deadline(3000);
        while (isVisible() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    FormDestroy();
    // The view goes before the commands it hands its input to.
    delete ViewContainer;
}

void TOpenGL_box::FormCreate()
{
    PanelArea->Fit(height());
    SetInitialConfig(Wheel);
    FrameSteuerung1->ShowMarking();
}

void TOpenGL_box::setVisible(bool visible)
{
    if (visible && Closing) {
        Closing = false;
        CloseGate.Cancel();
        setUpdatesEnabled(true);
    }
    QWidget::setVisible(visible);
    if (visible)
        Placement.Shown();
    if (visible && !GLCreated) {
        GLCreated = true;
        FormCreateGL();
    }
}

void TOpenGL_box::FormCreateGL()
{
    Renderer->SetupPixelFormat();
    ViewContainer->show();
    if (!Renderer->CreateContext()) {
        ViewContainer->hide();
        return;
    }
    Renderer->SetupInitialState(Wheel);
    StartRotMatrix = Wheel.RotMatrix;
    Wheel.AspectRatio = static_cast<double>(width()) / height();
    // No resize arrives once the context exists, so the viewport the resize
    // handler would set is put in place here.
    SetViewport();
    BuildWheelList();
    Comparison->BuildList();
    // A frame the window cannot present yet would be drawn for nothing: the
    // first expose draws it again, and that frame is the first seen.
    if (CanPresent(GLWindow))
        RenderScene();
}

void TOpenGL_box::FormResize()
{
    // Without a window manager nothing else keeps the client at its minimum.
    // A correction may come back as a nested resize, which runs this handler
    // afresh on the corrected size; the outer call then redoes the same steps.
    // Both sides are corrected in one request, so that a size the window
    // system has not confirmed yet cannot undo the other side's correction.
    const QSize minimum = size().expandedTo(Placement.LeastClientSize());
    if (minimum != size())
        resize(minimum);
    const int viewLeft = PanelArea->Fit(height());
    ViewContainer->setGeometry(viewLeft, 0, std::max(0, width() - viewLeft), height());
    Wheel.AspectRatio = static_cast<double>(width()) / height();
    SetViewport();
    GLWindow->requestUpdate();
}

void TOpenGL_box::SetViewport()
{
    Renderer->SetViewport(size(), PanelArea->width());
}

void TOpenGL_box::closeEvent(QCloseEvent* event)
{
    // Hidden with a frame unanswered, any window of the program could take
    // Qt's Wayland client down; they all wait for the compositor first,
    // tooltips and the view included, and draw nothing meanwhile.
    if (CloseGate.Open(*this, WindowsOnScreen(), [this] {
            TakeDownToolTips();
            close();
        })) {
        QWidget::closeEvent(event);
        return;
    }
    event->ignore();
    Closing = true;
    setUpdatesEnabled(false);
}

void TOpenGL_box::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FormResize();
}

void TOpenGL_box::HandlePaint()
{
    RenderScene();
}

void TOpenGL_box::BuildWheelList()
{
    if (!HasGLContext())
        return;
    Renderer->Record([this] { ::BuildWheelList(Wheel); });
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

ViewComponent TOpenGL_box::ComponentAt(QPointF point)
{
    return Renderer->Pick(Wheel, point);
}

QSize TOpenGL_box::ViewPixelSize() const
{
    return Renderer->PixelSize();
}

bool TOpenGL_box::ViewHasFocus() const
{
    return ViewContainer->hasFocus() && isActiveWindow();
}

void TOpenGL_box::DrawAndPresent(QImage* picture)
{
    if (Closing || !Renderer->BeginFrame())
        return;
    Renderer->DrawFrame(Wheel, [this] { ShowGLErrorDialog(this); });
    emit FrameDrawn();
    if (picture)
        *picture = Renderer->ReadBack();
    if (Renderer->EndFrame(ViewHasFocus()))
        emit FramePresented();
}

int TOpenGL_box::LargestPrintWidth()
{
    return Renderer->LargestPrintWidth();
}

QImage TOpenGL_box::DrawPrintFrame(int width)
{
    return Renderer->DrawPrintFrame(Wheel, width);
}

void TOpenGL_box::KeepReference(const WheelConfig& rim)
{
    Comparison->KeepReference(rim);
}

const WheelConfig* TOpenGL_box::Reference() const
{
    return Comparison->Reference();
}

void TOpenGL_box::FormDestroy()
{
    Comparison->DeleteList();
    Renderer->DeleteList(Wheel);
    Renderer->Release();
}
