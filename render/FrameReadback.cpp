#include "FrameReadback.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions>

#include <GL/gl.h>

#include <algorithm>

QImage ReadBackBuffer(QSize pixels)
{
    QImage raw(pixels, QImage::Format_RGBX8888);
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
    GLint renderbuffer = 0;
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &renderbuffer);
    GLint viewport[2] = {};
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, viewport);
    return {renderbuffer, viewport[0], viewport[1]};
}

QImage DrawOffscreen(QSize pixels, const std::function<void()>& draw)
{
    QOpenGLContext* context = QOpenGLContext::currentContext();
    if (!context || pixels.isEmpty() || std::max(pixels.width(), pixels.height()) > QueryOffscreenLimits().side)
        return {};
    QOpenGLFunctions* gl = context->functions();
    if (!gl->hasOpenGLFeature(QOpenGLFunctions::Framebuffers))
        return {};

    GLuint framebuffer = 0;
    GLuint buffers[2] = {};  // colour, depth
    gl->glGenFramebuffers(1, &framebuffer);
    gl->glGenRenderbuffers(2, buffers);
    gl->glBindRenderbuffer(GL_RENDERBUFFER, buffers[0]);
    gl->glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, pixels.width(), pixels.height());
    gl->glBindRenderbuffer(GL_RENDERBUFFER, buffers[1]);
    gl->glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, pixels.width(), pixels.height());
    gl->glBindRenderbuffer(GL_RENDERBUFFER, 0);
    gl->glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    gl->glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, buffers[0]);
    gl->glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, buffers[1]);

    QImage picture;
    if (gl->glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE) {
        draw();
        picture = QImage(pixels, QImage::Format_RGBX8888);
        if (!picture.isNull()) {
            glPixelStorei(GL_PACK_ALIGNMENT, 4);
            glReadPixels(0, 0, pixels.width(), pixels.height(), GL_RGBA, GL_UNSIGNED_BYTE, picture.bits());
            picture = std::move(picture).mirrored(false, true);
        }
    }
    gl->glBindFramebuffer(GL_FRAMEBUFFER, context->defaultFramebufferObject());
    gl->glDeleteRenderbuffers(2, buffers);
    gl->glDeleteFramebuffers(1, &framebuffer);
    return picture;
}
