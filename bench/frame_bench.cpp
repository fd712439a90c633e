// Frame costs of the viewer at an 800 x 600 client: a bare frame (clear and
// swap), a frame replaying the wheel list, a rebuild command (build then
// frame), and the time from constructing the application to the first frame
// on screen. Run under Xvfb with Mesa's llvmpipe for comparable figures.

#include "Application.h"
#include "BenchSupport.h"
#include "BenchWindow.h"
#include "ct_ogl1.h"

#include <QApplication>
#include <QEventLoop>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv)
{
    const auto launched = std::chrono::steady_clock::now();
    QApplication app(argc, argv);
    ConfigureApplication();
    TOpenGL_box box;
    QEventLoop firstFrame;
    QObject::connect(&box, &TOpenGL_box::FramePresented, &firstFrame, &QEventLoop::quit);
    if (!box.HasGLContext()) {
        std::fprintf(stderr, "frame_bench: no GL context\n");
        return 1;
    }
    box.show();
    firstFrame.exec();
    const double startupMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - launched).count();

    if (!PrepareBenchWindow(box, "frame_bench"))
        return 1;

    constexpr int Runs = 200;
    const double bare = MedianBareFrameMs(box, Runs);
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
