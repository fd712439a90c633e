// Frame costs of the viewer at an 800 x 600 client, or the size given with
// --size WxH: a bare frame (clear and swap), a frame replaying the wheel list,
// a rebuild command (build then frame), the picture at print size (3840
// pixels wide, drawn off screen and written as PNG), and the time from
// constructing the application to the first frame on screen. Run under Xvfb, or
// scripts/with-weston for Wayland, with Mesa's llvmpipe for comparable
// figures; the screen must hold the client.

#include "Application.h"
#include "BenchSupport.h"
#include "BenchWindow.h"
#include "PictureFile.h"
#include "ct_ogl1.h"

#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv)
{
    const auto launched = std::chrono::steady_clock::now();
    QApplication app(argc, argv);
    ConfigureApplication();
    TOpenGL_box box;
    // On Wayland the first frame is presented while the window is shown, on
    // X11 once the server has exposed the view.
    std::chrono::steady_clock::time_point firstFrame;
    QEventLoop waitForFirstFrame;
    QObject::connect(&box, &TOpenGL_box::FramePresented, &waitForFirstFrame, [&] {
        if (firstFrame == std::chrono::steady_clock::time_point{})
            firstFrame = std::chrono::steady_clock::now();
        waitForFirstFrame.quit();
    });
    box.show();
    if (!box.HasGLContext()) {
        std::fprintf(stderr, "frame_bench: no GL context\n");
        return 1;
    }
    if (firstFrame == std::chrono::steady_clock::time_point{})
        waitForFirstFrame.exec();
    const double startupMs = std::chrono::duration<double, std::milli>(firstFrame - launched).count();

    if (!PrepareBenchWindow(box, "frame_bench", BenchClientSize(argc, argv)))
        return 1;

    constexpr int Runs = 200;
    const double bare = MedianBareFrameMs(box, Runs);
    const double replay = MedianMilliseconds(Runs, [&] { box.RenderScene(); });
    const double rebuild = MedianMilliseconds(Runs, [&] {
        box.BuildWheelList();
        box.RenderScene();
    });

    constexpr int PrintRuns = 5;
    QTemporaryDir folder;
    QImage print;
    const double printDraw = MedianMilliseconds(PrintRuns, [&] { print = box.DrawPrintFrame(3840); });
    const double printWrite = MedianMilliseconds(PrintRuns, [&] {
        WritePicture(print, folder.filePath(QStringLiteral("print.png")), QStringLiteral("6J x 15 H2 ET34"));
    });

    std::printf("median of %d runs\n", Runs);
    PrintFigure("bare frame (clear, swap)", bare, bare);
    PrintFigure("RenderScene replaying the wheel list", replay, bare);
    PrintFigure("rebuild command (BuildWheelList, frame)", rebuild, bare);
    std::printf("%-44s %9.3f ms  (%d x %d, median of %d)\n", "print size: drawn off screen, read back", printDraw,
                print.width(), print.height(), PrintRuns);
    std::printf("%-44s %9.3f ms\n", "print size: written as PNG", printWrite);
    std::printf("%-44s %9.3f ms\n", "application start to first presented frame", startupMs);
    return 0;
}
