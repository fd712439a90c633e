#include "FrameCapture.h"

#include "GLBinding.h"
#include "GLView.h"
#include "Unit1.h"
#include "X11Geometry.h"
#include "X11Properties.h"
#include "ct_ogl1.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>

bool ShowAndExpose(TOpenGL_box& box)
{
    box.show();
    return box.HasGLContext() && QTest::qWaitForWindowExposed(&box, 5000) &&
           QTest::qWaitFor([&box] { return CanPresent(box.View()); }, 5000);
}

bool ServeUntil(const std::function<bool()>& done, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    // Wakes the wait for events at the deadline, should none come.
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

bool WaitForClientSize(const TOpenGL_box& box, QSize size, int timeoutMs)
{
    return ServeUntil(
        [&box, size] {
            return box.size() == size && (!RunningOnX11() || X11ClientSize(box) == size) &&
                   box.View()->size() == QSize(size.width() - box.Panel()->width(), size.height());
        },
        timeoutMs);
}

QImage StartFrame(TOpenGL_box& box, QSize client)
{
    if (!ShowAndExpose(box))
        return {};
    box.resize(client);
    return WaitForClientSize(box, client) ? CaptureFrame(box) : QImage();
}

bool CloseWindow(QWidget& window)
{
    window.close();
    return ServeUntil([&window] { return !window.isVisible(); });
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
    return box.GrabFrame();
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
