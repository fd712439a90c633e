#include "GLView.h"

#include "GLBinding.h"

#include <QEvent>
#include <QExposeEvent>

GLView::GLView(std::function<void()> paint)
    : Paint(std::move(paint))
{
    setSurfaceType(QSurface::OpenGLSurface);
}

void GLView::exposeEvent(QExposeEvent*)
{
    // An expose that takes the window off screen asks for nothing.
    if (isExposed())
        Paint();
}

bool GLView::event(QEvent* event)
{
    if (event->type() == QEvent::UpdateRequest) {
        // Resizes ask for their frame this way; on Wayland the view may
        // never be reported exposed, yet what it presents is shown.
        if (CanPresent(this))
            Paint();
        return true;
    }
    return QWindow::event(event);
}
