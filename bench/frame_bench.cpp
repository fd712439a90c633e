// Frame costs of the viewer at an 800 x 600 client, or the size given with
// --size WxH: a bare frame (clear and swap), a frame replaying the wheel list,
// a rebuild command (build then frame) and the picture at print size (3840
// pixels wide, drawn off screen and written as PNG), and the pick of what lies
// under the pointer in each style, where it finds nothing (the most work for
// outlines and points) and on the rim, and a frame with a reference rim. Before them, the
// start-up figure: the program's start to its first complete picture against
// a bare and a lit window of the same shape, in separate processes
// (--startup-runs N of each, 40 without it, 0 to leave it out), and against
// another build's startup_probe given with --startup-before PATH. Run under
// Xvfb, or scripts/with-weston for Wayland, with Mesa's llvmpipe for
// comparable figures; the screen must hold the client.

#include "Application.h"
#include "BenchSupport.h"
#include "BenchWindow.h"
#include "PictureFile.h"
#include "StartupComparison.h"
#include "WheelRules.h"
#include "GLView.h"
#include "ct_ogl1.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The value given with the option; null without it.
const char* Option(int argc, char** argv, const char* name)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return argv[i + 1];
    return nullptr;
}

}  // namespace

int main(int argc, char** argv)
{
    // Before this process opens a window of its own.
    const char* runs = Option(argc, argv, "--startup-runs");
    const char* before = Option(argc, argv, "--startup-before");
    if (const int n = runs ? std::atoi(runs) : 40; n > 0 && !CompareStartup(n, before ? before : ""))
        return 1;

    QApplication app(argc, argv);
    ConfigureApplication();
    TOpenGL_box box;
    if (!PrepareBenchWindow(box, "frame_bench", BenchClientSize(argc, argv)))
        return 1;

    constexpr int Runs = 200;
    const double bare = MedianBareFrameMs(box, Runs);
    const double replay = MedianMilliseconds(Runs, [&] { box.RenderScene(); });
    const double rebuild = MedianMilliseconds(Runs, [&] {
        box.BuildWheelList();
        box.RenderScene();
    });
    // The background at the view's corner; the rim's flange left of the centre.
    const QPointF corner(2.5, 2.5);
    const QPointF rim(box.View()->width() * 0.18, box.View()->height() * 0.5);
    struct Pick {
        const char* what;
        QPointF at;
        double ms = 0.0;
    };
    Pick picks[] = {{"pick, filled, on the rim", rim}, {"pick, outlines, nothing there", corner},
                    {"pick, points, nothing there", corner}};
    for (Pick& pick : picks) {
        pick.ms = MedianMilliseconds(Runs, [&] { box.ComponentAt(pick.at); });
        CyclePolygonStyle(box.Config());
    }
    constexpr int PrintRuns = 5;
    QTemporaryDir folder;
    QImage print;
    const double printDraw = MedianMilliseconds(PrintRuns, [&] { print = box.DrawPrintFrame(3840); });
    const double printWrite = MedianMilliseconds(PrintRuns, [&] {
        WritePicture(print, folder.filePath(QStringLiteral("print.png")), QStringLiteral("6J x 15 H2 ET34"));
    });

    // A wider, larger wheel, alone and with the start rim as its reference.
    const WheelConfig startRim = box.Config();
    WidthUp(box.Config());
    DiameterUp(box.Config());
    box.BuildWheelList();
    const double alone = MedianMilliseconds(Runs, [&] { box.RenderScene(); });
    box.KeepReference(startRim);
    const double compared = MedianMilliseconds(Runs, [&] { box.RenderScene(); });

    std::printf("median of %d runs\n", Runs);
    PrintFigure("bare frame (clear, swap)", bare, bare);
    PrintFigure("RenderScene replaying the wheel list", replay, bare);
    PrintFigure("rebuild command (BuildWheelList, frame)", rebuild, bare);
    std::printf("%-44s %9.3f ms  (%.2f x the same wheel alone, %.3f ms)\n", "RenderScene with a reference rim",
                compared, compared / alone, alone);
    for (const Pick& pick : picks)
        std::printf("%-44s %9.3f ms  (%.2f x the replayed frame)\n", pick.what, pick.ms, pick.ms / replay);
    std::printf("%-44s %9.3f ms  (%d x %d, median of %d)\n", "print size: drawn off screen, read back", printDraw,
                print.width(), print.height(), PrintRuns);
    std::printf("%-44s %9.3f ms\n", "print size: written as PNG", printWrite);
    return 0;
}
