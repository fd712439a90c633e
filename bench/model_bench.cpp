// Costs of the wheel model at an 800 x 600 client (or --size WxH): a bare
// frame (clear and swap), one BuildWheelList (recording and drawing the list
// once), and a frame replaying the whole wheel; then resident memory across
// 10,000 rebuild commands (build, then the frame that presents it), which
// must stay flat. Run under Xvfb or scripts/with-weston, with llvmpipe.

#include "Application.h"
#include "BenchSupport.h"
#include "BenchWindow.h"
#include "ct_ogl1.h"

#include <QApplication>

#include <GL/gl.h>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ConfigureApplication();
    TOpenGL_box box;
    if (!PrepareBenchWindow(box, "model_bench", BenchClientSize(argc, argv)))
        return 1;

    constexpr int Runs = 200;
    const double bare = MedianBareFrameMs(box, Runs);
    // The build draws the wheel as it records it; glFinish counts that too.
    const double build = MedianMilliseconds(Runs, [&] {
        box.BuildWheelList();
        glFinish();
    });
    const double frame = MedianMilliseconds(Runs, [&] { box.RenderScene(); });

    std::printf("median of %d runs\n", Runs);
    PrintFigure("bare frame (clear, swap)", bare, bare);
    PrintFigure("BuildWheelList (record and execute)", build, bare);
    PrintFigure("RenderScene replaying the full wheel", frame, bare);

    constexpr int Rebuilds = 10000;
    // Each build is presented, as after a command, so the GL never holds more
    // than one frame's drawing.
    const long before = ResidentKiB();
    long halfway = 0;
    for (int i = 0; i < Rebuilds; ++i) {
        box.BuildWheelList();
        box.RenderScene();
        if (i == Rebuilds / 2 - 1)
            halfway = ResidentKiB();
    }
    const long after = ResidentKiB();
    std::printf("resident memory before %5d rebuilds %8ld KiB\n", Rebuilds, before);
    std::printf("resident memory after  %5d rebuilds %8ld KiB  (%+ld KiB)\n", Rebuilds / 2, halfway, halfway - before);
    std::printf("resident memory after  %5d rebuilds %8ld KiB  (%+ld KiB)\n", Rebuilds, after, after - before);
    return 0;
}
