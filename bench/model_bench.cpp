// Costs of the wheel model at an 800 x 600 client (or --size WxH): a bare
// frame (clear and swap), one BuildWheelList (recording and executing the
// list once), and a frame replaying the whole wheel; then, for each wheel
// state, resident memory and heap in use across 10,000 rebuild commands
// (build, then the frame that presents it), which must stay flat. Run under
// Xvfb or scripts/with-weston, with Mesa's llvmpipe.
//
// model_bench [--size WxH] [--rebuilds=N] [all | STATE...]: without state
// names it measures the start state, each indicator and each highlight; "all"
// adds half section, polygon styles, profiles and bolt counts.

#include "Application.h"
#include "BenchSupport.h"
#include "BenchWindow.h"
#include "WheelConfig.h"
#include "WheelStates.h"
#include "ct_ogl1.h"

#include <QApplication>

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr int WarmUpRebuilds = 500;
constexpr int Checkpoints = 10;

struct Options {
    int rebuilds = 10000;
    std::vector<const WheelState*> states;
};

bool ParseOptions(int argc, char** argv, Options& options)
{
    bool all = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--rebuilds=", 11) == 0) {
            options.rebuilds = std::max(Checkpoints, std::atoi(argv[i] + 11));
            continue;
        }
        if (std::strcmp(argv[i], "--size") == 0) {
            ++i;  // read by BenchClientSize
            continue;
        }
        if (argv[i][0] == '-')
            continue;  // Qt's own options
        if (std::strcmp(argv[i], "all") == 0) {
            all = true;
            continue;
        }
        const auto states = WheelStates();
        const auto named = std::find_if(states.begin(), states.end(),
                                        [&](const WheelState& s) { return std::strcmp(s.name, argv[i]) == 0; });
        if (named == states.end()) {
            std::fprintf(stderr, "model_bench: no state \"%s\"; states:", argv[i]);
            for (const WheelState& s : states)
                std::fprintf(stderr, " %s", s.name);
            std::fprintf(stderr, "\n");
            return false;
        }
        options.states.push_back(&*named);
    }
    if (all || options.states.empty()) {
        for (const WheelState& s : WheelStates()) {
            if (all || s.byDefault)
                options.states.push_back(&s);
        }
    }
    return true;
}

void Rebuild(TOpenGL_box& box)
{
    box.BuildWheelList();
    box.RenderScene();
}

// Resident memory and heap in use after the warm-up and then at ten evenly
// spaced checkpoints. The heap figure is the median growth between two
// checkpoints: Mesa keeps a buffer of about 1 MiB that comes and goes, which
// a median of ten steps looks past but a plain difference would not.
void MeasureState(TOpenGL_box& box, const WheelConfig& start, const WheelState& state, int rebuilds)
{
    WheelConfig& c = box.Config();
    const unsigned int list = c.WheelList;
    c = start;
    c.WheelList = list;  // the next build deletes it
    state.apply(c);

    for (int i = 0; i < WarmUpRebuilds; ++i)
        Rebuild(box);
    const long baseKiB = ResidentKiB();
    long lowKiB = baseKiB;
    long highKiB = baseKiB;
    long halfwayKiB = baseKiB;
    long long heap = HeapInUseBytes();
    std::vector<long long> heapSteps;
    const int step = rebuilds / Checkpoints;
    for (int k = 1; k <= Checkpoints; ++k) {
        for (int i = 0; i < step; ++i)
            Rebuild(box);
        const long kib = ResidentKiB();
        lowKiB = std::min(lowKiB, kib);
        highKiB = std::max(highKiB, kib);
        if (k == Checkpoints / 2)
            halfwayKiB = kib;
        const long long now = HeapInUseBytes();
        heapSteps.push_back(now - heap);
        heap = now;
    }
    const long endKiB = ResidentKiB();
    std::sort(heapSteps.begin(), heapSteps.end());
    const double heapPerRebuild =
        static_cast<double>(heapSteps[Checkpoints / 2 - 1] + heapSteps[Checkpoints / 2]) / 2.0 / step;
    std::printf("%-16s %9ld %+12ld %+12ld %9ld %15.1f\n", state.name, baseKiB, halfwayKiB - baseKiB,
                endKiB - baseKiB, highKiB - lowKiB, heapPerRebuild);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!ParseOptions(argc, argv, options))
        return 2;
    QApplication app(argc, argv);
    ConfigureApplication();
    TOpenGL_box box;
    if (!PrepareBenchWindow(box, "model_bench", BenchClientSize(argc, argv)))
        return 1;
    const WheelConfig start = box.Config();

    constexpr int Runs = 200;
    const double bare = MedianBareFrameMs(box, Runs);
    // The build executes the list as it records it, rasterising nothing;
    // glFinish counts that work too.
    const double build = MedianMilliseconds(Runs, [&] {
        box.BuildWheelList();
        glFinish();
    });
    const double frame = MedianMilliseconds(Runs, [&] { box.RenderScene(); });

    std::printf("median of %d runs\n", Runs);
    PrintFigure("bare frame (clear, swap)", bare, bare);
    PrintFigure("BuildWheelList (record and execute)", build, bare);
    PrintFigure("RenderScene replaying the full wheel", frame, bare);

    // Each build is presented, as after a command, so the GL never holds more
    // than one frame's drawing. Each state starts from the start state and
    // warms up first: its first frames make llvmpipe compile new shaders.
    const int half = options.rebuilds / Checkpoints * (Checkpoints / 2);
    const int whole = options.rebuilds / Checkpoints * Checkpoints;
    std::printf("\nmemory over %d rebuilds per state, after %d warm-up rebuilds\n", whole, WarmUpRebuilds);
    std::printf("%-16s %9s %12s %12s %9s %15s\n", "state", "RSS KiB", "after", "after", "RSS band", "heap growth");
    std::printf("%-16s %9s %6d (KiB) %6d (KiB) %9s %15s\n", "", "", half, whole, "KiB", "B/rebuild");
    std::fflush(stdout);
    for (const WheelState* state : options.states)
        MeasureState(box, start, *state, options.rebuilds);
    return 0;
}
