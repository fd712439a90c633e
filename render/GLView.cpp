#include "GLView.h"

#include <QEvent>
#include <QExposeEvent>

GLView::GLView(std::function<void()> paint)
    : Paint(std::move(paint))
{
    setSurfaceType(QSurface::OpenGLSurface);
}

void GLView::exposeEvent(QExposeEvent*)
{
    if (isExposed())
        Paint();
}

bool GLView::event(QEvent* event)
{
    if (event->type() == QEvent::UpdateRequest) {
        if (isExposed())
            Paint();
        return true;
    }
    return QWindow::event(event);
}
