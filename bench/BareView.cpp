#include "BareView.h"

#include <QOpenGLContext>
#include <QSurfaceFormat>

#include <GL/gl.h>

BareView::BareView(std::function<void()> presented)
    : Presented(std::move(presented))
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setAlphaBufferSize(0);
    format.setDepthBufferSize(24);
    format.setStencilBufferSize(0);
    format.setSwapInterval(0);
    setSurfaceType(QSurface::OpenGLSurface);
    setFormat(format);
}

BareView::~BareView()
{
    delete Context;
}

void BareView::exposeEvent(QExposeEvent*)
{
    if (isExposed())
        Draw();
}

void BareView::Draw()
{
    if (!Context) {
        Context = new QOpenGLContext;
        Context->setFormat(requestedFormat());
        if (!Context->create())
            return;
    }
    if (!Context->makeCurrent(this))
        return;
    DrawPicture();
    Context->swapBuffers(this);
    Presented();
}

void BareView::DrawPicture()
{
    glClearColor(0.0f, 0.0f, 0.5f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}
