#include "GLTestContext.h"

#include <QSurfaceFormat>

GLTestContext::GLTestContext()
    : Window(std::make_unique<QWindow>())
    , Context(std::make_unique<QOpenGLContext>())
{
    QSurfaceFormat format;
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    Window->setSurfaceType(QSurface::OpenGLSurface);
    Window->setFormat(format);
    Window->resize(64, 64);
    Window->create();
    Context->setFormat(format);
    Valid = Context->create() && Context->makeCurrent(Window.get());
}

GLTestContext::~GLTestContext()
{
    if (Valid)
        Context->doneCurrent();
}

void GLTestContext::makeCurrent()
{
    Context->makeCurrent(Window.get());
}
