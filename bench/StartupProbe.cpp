#include "StartupProbe.h"

#include "MemoryUse.h"

#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

long long Nanoseconds(std::chrono::steady_clock::time_point t)
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(t.time_since_epoch()).count();
}

}  // namespace

void FirstPicture::DisplayOpen()
{
    Opened = std::chrono::steady_clock::now();
}

void FirstPicture::WindowPainted()
{
    if (PaintSeen)
        return;
    PaintSeen = true;
    // The backing store is flushed in the same pass as the paint, before
    // the event loop turns again.
    QTimer::singleShot(0, [this] {
        Flushed = true;
        ReportIfComplete();
    });
}

void FirstPicture::FramePresented()
{
    Presented = true;
    ReportIfComplete();
}

void FirstPicture::ReportIfComplete()
{
    if (!Flushed || !Presented)
        return;
    const auto now = std::chrono::steady_clock::now();
    std::printf("first-frame-ns=%lld display-ns=%lld peak-kib=%ld\n", Nanoseconds(now), Nanoseconds(Opened),
                PeakResidentKiB());
    std::fflush(stdout);
    std::_Exit(EXIT_SUCCESS);
}
