#include "FrameCapture.h"

#include "GLBinding.h"
#include "GLView.h"
#include "ct_ogl1.h"

#include <QApplication>
#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>

bool ShowAndExpose(TOpenGL_box& box)
{
    box.show();
    return box.HasGLContext() && QTest::qWaitForWindowExposed(&box, 5000) &&
           QTest::qWaitFor([&box] { return CanPresent(box.View()); }, 5000);
}

bool ActivateForKeys(QWidget& window)
{
    window.activateWindow();
    // Only an X server activates on request; a Wayland compositor decides
    // itself, and a headless one without a keyboard never does.
    if (QGuiApplication::platformName() == QLatin1String("xcb") && QTest::qWaitForWindowActive(&window, 2000))
        return true;
    if (!window.isActiveWindow())
        QApplication::setActiveWindow(&window);
    return window.isActiveWindow();
}

QImage CaptureFrame(TOpenGL_box& box)
{
    QImage image;
    const auto connection = QObject::connect(&box, &TOpenGL_box::FrameDrawn, [&] {
        GLint viewport[4] = {};
        // The view's framebuffer, not the (shifted) viewport, is what shows.
        const qreal dpr = box.View()->devicePixelRatio();
        viewport[2] = static_cast<GLint>(std::lround(box.View()->width() * dpr));
        viewport[3] = static_cast<GLint>(std::lround(box.View()->height() * dpr));
        QImage raw(viewport[2], viewport[3], QImage::Format_RGBA8888);
        glPixelStorei(GL_PACK_ALIGNMENT, 4);
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, viewport[2], viewport[3], GL_RGBA, GL_UNSIGNED_BYTE, raw.bits());
        image = raw.mirrored(false, true);
    });
    box.RenderScene();
    QObject::disconnect(connection);
    return image;
}

QString WriteTestImage(const QImage& image, const QString& name)
{
    QDir().mkpath(QStringLiteral(MQ_TEST_OUTPUT_DIR));
    const QString path = QStringLiteral(MQ_TEST_OUTPUT_DIR) + QLatin1Char('/') + name + QStringLiteral(".png");
    image.save(path);
    return path;
}

PicturesOnFailure::~PicturesOnFailure()
{
    if (::testing::Test::HasFailure())
        for (const auto& [name, image] : Kept)
            WriteTestImage(image, name);
}

const QImage& PicturesOnFailure::Keep(const QImage& image, const QString& name)
{
    Kept.emplace_back(name, image);
    return Kept.back().second;
}

bool PixelNear(const QImage& image, int x, int y, double r, double g, double b, double tolerance)
{
    if (!image.valid(x, y))
        return false;
    const QColor c = image.pixelColor(x, y);
    return std::abs(c.red() - r * 255.0) <= tolerance && std::abs(c.green() - g * 255.0) <= tolerance &&
           std::abs(c.blue() - b * 255.0) <= tolerance;
}
