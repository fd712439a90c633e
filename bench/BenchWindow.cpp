#include "BenchWindow.h"

#include "BenchSupport.h"
#include "GLBinding.h"
#include "GLView.h"
#include "ct_ogl1.h"

#include <QGuiApplication>
#include <QOpenGLContext>
#include <QTest>

#include <GL/gl.h>

#include <cstdio>
#include <cstring>

QSize BenchClientSize(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i) {
        int width = 0, height = 0;
        if (std::strcmp(argv[i], "--size") == 0 && std::sscanf(argv[i + 1], "%dx%d", &width, &height) == 2)
            return {width, height};
    }
    return {800, 600};
}

bool PrepareBenchWindow(TOpenGL_box& box, const char* bench, QSize client)
{
    box.show();
    if (!box.HasGLContext()) {
        std::fprintf(stderr, "%s: no GL context\n", bench);
        return false;
    }
    if (!QTest::qWaitForWindowExposed(&box, 5000) ||
        !QTest::qWaitFor([&box] { return CanPresent(box.View()); }, 5000)) {
        std::fprintf(stderr, "%s: window not on screen\n", bench);
        return false;
    }
    box.resize(client);
    const bool resized = QTest::qWaitFor([&] { return box.size() == client; }, 2000);
    QTest::qWait(200);
    if (!resized || box.size() != client) {
        std::fprintf(stderr, "%s: the client is %d x %d, not %d x %d; is the screen large enough?\n", bench,
                     box.width(), box.height(), client.width(), client.height());
        return false;
    }
    box.RenderScene();  // leaves the view's context current
    std::printf("%s, client %d x %d, GL renderer: %s\n", qPrintable(QGuiApplication::platformName()), box.width(),
                box.height(), reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    return true;
}

double MedianBareFrameMs(TOpenGL_box& box, int runs)
{
    QOpenGLContext* context = QOpenGLContext::currentContext();
    return MedianMilliseconds(runs, [&] {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        SwapBuffers(box.View(), context);
    });
}
