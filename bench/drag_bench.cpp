// A drag in the view at an 800 x 600 client, or the size given with
// --size WxH: a second thread queues left-button motion for the view at 120
// events a second, as a mouse sends it, for a few seconds (--seconds N). The
// figures are the frames drawn, their rate, and the lag from a motion to the
// presented frame that first shows it; with no backlog the lag stays within
// about one frame's time, the replay figure printed alongside. Run under
// Xvfb, or scripts/with-weston for Wayland. With --compare a reference rim
// is drawn beside the wheel; with --pan the drag is a middle-button one,
// which moves the picture instead of turning the model.

#include "BenchSupport.h"
#include "BenchWindow.h"
#include "GLView.h"
#include "WheelRules.h"
#include "ct_ogl1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QTest>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <numbers>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--seconds") == 0)
            return std::atof(argv[i + 1]);
    return 3.0;
}

bool HasOption(int argc, char** argv, const char* option)
{
    return std::any_of(argv + 1, argv + argc, [option](const char* a) { return std::strcmp(a, option) == 0; });
}

double Ms(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Reads the sequence number each motion carries as its timestamp when the
// view handles it.
class MotionWatch : public QObject {
public:
    explicit MotionWatch(int motions)
        : handled(motions)
    {
    }
    int lastHandled = -1;
    std::vector<Clock::time_point> handled;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseMove) {
            lastHandled = static_cast<int>(static_cast<QMouseEvent*>(event)->timestamp());
            if (lastHandled >= 0 && lastHandled < static_cast<int>(handled.size()))
                handled[lastHandled] = Clock::now();
        }
        return false;
    }
};

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TOpenGL_box box;
    if (!PrepareBenchWindow(box, "drag_bench", BenchClientSize(argc, argv)))
        return 1;
    // --compare: a reference rim kept, the start rim beside a wider, larger one.
    if (HasOption(argc, argv, "--compare")) {
        box.KeepReference(box.Config());
        WidthUp(box.Config());
        DiameterUp(box.Config());
        box.BuildWheelList();
    }
    const double replay = MedianMilliseconds(100, [&] { box.RenderScene(); });

    GLView* view = box.View();
    const QPointF centre(view->width() / 2.0, view->height() / 2.0);
    const double radius = view->height() / 4.0;
    const auto* mouse = QPointingDevice::primaryPointingDevice();
    const int motions = static_cast<int>(Seconds(argc, argv) * 120);
    std::vector<Clock::time_point> sent(motions);

    MotionWatch watch(motions);
    view->installEventFilter(&watch);
    struct Presented {
        int motion;
        Clock::time_point at;
    };
    std::vector<Presented> frames;
    frames.reserve(motions + 16);
    QObject::connect(&box, &TOpenGL_box::FramePresented,
                     [&] { frames.push_back({watch.lastHandled, Clock::now()}); });

    const Qt::MouseButton button = HasOption(argc, argv, "--pan") ? Qt::MiddleButton : Qt::LeftButton;
    QTest::mousePress(view, button, {}, centre.toPoint() + QPoint(static_cast<int>(radius), 0));
    frames.clear();
    std::atomic<bool> done = false;
    const Clock::time_point begin = Clock::now();
    std::thread pointer([&] {
        // Round and round a circle: the model keeps turning about changing
        // axes, or the picture moving, held in the view.
        for (int i = 0; i < motions; ++i) {
            std::this_thread::sleep_until(begin + std::chrono::microseconds(i * 1000000 / 120));
            const double a = 2.0 * std::numbers::pi * i / 240.0;
            const QPointF at = centre + QPointF(std::cos(a), std::sin(a)) * radius;
            auto* move = new QMouseEvent(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton, button, Qt::NoModifier,
                                         mouse);
            move->setTimestamp(static_cast<quint64>(i));
            sent[i] = Clock::now();
            QCoreApplication::postEvent(view, move);
        }
        done = true;
    });
    while (!done || watch.lastHandled < motions - 1 || (!frames.empty() && frames.back().motion < motions - 1))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    pointer.join();
    const Clock::time_point end = frames.empty() ? Clock::now() : frames.back().at;
    QTest::mouseRelease(view, button);

    // Each motion's lag: to the first frame presented after it was handled;
    // split into its wait in the queue and the frame that shows it.
    std::vector<double> lags, waits, drawing;
    std::size_t f = 0;
    for (int i = 0; i < motions; ++i) {
        while (f < frames.size() && frames[f].motion < i)
            ++f;
        if (f == frames.size())
            break;
        lags.push_back(Ms(sent[i], frames[f].at));
        waits.push_back(Ms(sent[i], watch.handled[i]));
        if (frames[f].motion == i)
            drawing.push_back(Ms(watch.handled[i], frames[f].at));
    }
    std::sort(lags.begin(), lags.end());
    const double seconds = Ms(begin, end) / 1000.0;
    std::printf("%d motions at 120 per second, %zu frames in %.2f s: %.1f frames per second\n", motions,
                frames.size(), seconds, frames.size() / seconds);
    std::printf("%-44s %9.3f ms\n", "frame replaying the wheel list (median)", replay);
    if (!lags.empty()) {
        const auto row = [replay](const char* what, double ms) {
            std::printf("%-44s %9.3f ms  %7.2f x replay\n", what, ms, ms / replay);
        };
        row("lag, motion to its frame (median)", lags[lags.size() / 2]);
        row("lag, 95th percentile", lags[lags.size() * 95 / 100]);
        row("lag, last motion to its frame", Ms(sent.back(), end));
        row("  of it waiting to be read (median)", Median(waits));
        row("  of it the drag frame (median)", Median(drawing));
    }
    return 0;
}
