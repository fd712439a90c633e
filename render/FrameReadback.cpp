#include "FrameReadback.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions>

#include <GL/gl.h>

#include <algorithm>

QImage ReadBackBuffer(QSize pixels)
{
    QImage raw(pixels, QImage::Format_RGBA8888);
    if (raw.isNull())
        return {};
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, pixels.width(), pixels.height(), GL_RGBA, GL_UNSIGNED_BYTE, raw.bits());
    return raw.mirrored(false, true);
}

OffscreenLimits QueryOffscreenLimits()
{
    const QOpenGLContext* context = QOpenGLContext::currentContext();
    if (!context || !context->functions()->hasOpenGLFeature(QOpenGLFunctions::Framebuffers))
        return {};
    GLint viewport[2] = {};
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, viewport);
    return {viewport[0], viewport[1]};
}

QImage DrawOffscreen(QSize pixels, const std::function<void(QPoint tile)>& draw)
{
    QOpenGLContext* context = QOpenGLContext::currentContext();
    if (!context || pixels.isEmpty() || !context->functions()->hasOpenGLFeature(QOpenGLFunctions::Framebuffers))
        return {};
    QImage picture(pixels, QImage::Format_RGB888);
    if (picture.isNull())
        return {};
    QOpenGLFunctions* gl = context->functions();

    // Tiles keep the buffers small: fresh memory is slow to map in, and a
    // print-size frame would need two buffers of its whole size.
    GLint largest = 0;
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &largest);
    const QSize tile(std::min({512, pixels.width(), static_cast<int>(largest)}),
                     std::min({512, pixels.height(), static_cast<int>(largest)}));
    GLuint framebuffer = 0;
    GLuint buffers[2] = {};  // colour, depth
    gl->glGenFramebuffers(1, &framebuffer);
    gl->glGenRenderbuffers(2, buffers);
    gl->glBindRenderbuffer(GL_RENDERBUFFER, buffers[0]);
    gl->glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, tile.width(), tile.height());
    gl->glBindRenderbuffer(GL_RENDERBUFFER, buffers[1]);
    gl->glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, tile.width(), tile.height());
    gl->glBindRenderbuffer(GL_RENDERBUFFER, 0);
    gl->glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    gl->glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, buffers[0]);
    gl->glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, buffers[1]);

    const bool complete = tile.width() > 0 && tile.height() > 0 &&
                          gl->glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    if (complete) {
        // Rows go in bottom first, as GL counts them, and are turned over at
        // the end; GL pads each to four bytes as the image does.
        glPixelStorei(GL_PACK_ALIGNMENT, 4);
        glPixelStorei(GL_PACK_ROW_LENGTH, pixels.width());
        for (int y = 0; y < pixels.height(); y += tile.height()) {
            for (int x = 0; x < pixels.width(); x += tile.width()) {
                draw(QPoint(x, y));
                const int w = std::min(tile.width(), pixels.width() - x);
                const int h = std::min(tile.height(), pixels.height() - y);
                glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, picture.scanLine(y) + 3 * x);
            }
        }
        glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    }
    gl->glBindFramebuffer(GL_FRAMEBUFFER, context->defaultFramebufferObject());
    gl->glDeleteRenderbuffers(2, buffers);
    gl->glDeleteFramebuffers(1, &framebuffer);
    return complete ? std::move(picture).mirrored(false, true) : QImage();
}
