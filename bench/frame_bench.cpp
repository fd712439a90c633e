// Frame costs of the viewer at an 800 x 600 client: a bare frame (clear and
// swap), a frame replaying the wheel list, a rebuild command (build then
// frame), and the time from constructing the application to the first frame
// on screen. Run under Xvfb with Mesa's llvmpipe for comparable figures.

#include "Application.h"
#include "BenchSupport.h"
#include "GLBinding.h"
#include "GLView.h"
#include "ct_ogl1.h"

#include <QApplication>
#include <QEventLoop>
#include <QOpenGLContext>
#include <QTest>

#include <GL/gl.h>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv)
{
    const auto launched = std::chrono::steady_clock::now();
    QApplication app(argc, argv);
    ConfigureApplication();
    TOpenGL_box box;
    if (!box.HasGLContext()) {
        std::fprintf(stderr, "frame_bench: no GL context\n");
        return 1;
    }
    QEventLoop firstFrame;
    QObject::connect(&box, &TOpenGL_box::FramePresented, &firstFrame, &QEventLoop::quit);
    box.show();
    firstFrame.exec();
    const double startupMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - launched).count();

    box.resize(800, 600);
    QTest::qWait(200);
    std::printf("client %d x %d, GL renderer: %s\n", box.width(), box.height(),
                reinterpret_cast<const char*>(glGetString(GL_RENDERER)));

    constexpr int Runs = 200;
    QOpenGLContext* context = QOpenGLContext::currentContext();
    const double bare = MedianMilliseconds(Runs, [&] {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        SwapBuffers(box.View(), context);
    });
    const double replay = MedianMilliseconds(Runs, [&] { box.RenderScene(); });
    const double rebuild = MedianMilliseconds(Runs, [&] {
        box.BuildWheelList();
        box.RenderScene();
    });

    std::printf("median of %d runs\n", Runs);
    PrintFigure("bare frame (clear, swap)", bare, bare);
    PrintFigure("RenderScene replaying the wheel list", replay, bare);
    PrintFigure("rebuild command (BuildWheelList, frame)", rebuild, bare);
    std::printf("%-44s %9.3f ms\n", "application start to first presented frame", startupMs);
    return 0;
}
