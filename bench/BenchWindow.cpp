#include "BenchWindow.h"

#include "BenchSupport.h"
#include "GLBinding.h"
#include "GLView.h"
#include "ct_ogl1.h"

#include <QOpenGLContext>
#include <QTest>

#include <GL/gl.h>

#include <cstdio>

bool PrepareBenchWindow(TOpenGL_box& box, const char* bench)
{
    if (!box.HasGLContext()) {
        std::fprintf(stderr, "%s: no GL context\n", bench);
        return false;
    }
    box.show();
    if (!QTest::qWaitForWindowExposed(box.View(), 5000)) {
        std::fprintf(stderr, "%s: window not exposed\n", bench);
        return false;
    }
    box.resize(800, 600);
    QTest::qWait(200);
    box.RenderScene();  // leaves the view's context current
    std::printf("client %d x %d, GL renderer: %s\n", box.width(), box.height(),
                reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
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
