// Hundreds of resizes in a row, as a user dragging the window's edges makes
// them: a quarter below the minimum client size, some as large as the screen
// allows. The window must end at its minimum or above with the panel as high
// as the client, and show the picture a new window of that size draws.

#include "DialogCounter.h"
#include "FrameCapture.h"
#include "GLView.h"
#include "ImageCompare.h"
#include "Unit1.h"
#include "X11Geometry.h"
#include "X11Properties.h"
#include "ct_ogl1.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <random>
#include <vector>

namespace {

const QSize Minimum(800, 600);
constexpr int Sizes = 500;
constexpr unsigned DefaultSeed = 20240612;

enum class Kind { BelowMinimum, ScreenSized, Between };

// A quarter below the minimum, a tenth as large as the screen allows, in
// random order; the last is below the minimum, so that the storm ends with a
// correction.
std::vector<Kind> Kinds(std::mt19937& rng)
{
    std::vector<Kind> kinds(Sizes, Kind::Between);
    std::fill_n(kinds.begin(), Sizes / 4, Kind::BelowMinimum);
    std::fill_n(kinds.begin() + Sizes / 4, Sizes / 10, Kind::ScreenSized);
    std::shuffle(kinds.begin(), kinds.end(), rng);
    std::iter_swap(std::find(kinds.begin(), kinds.end(), Kind::BelowMinimum), kinds.end() - 1);
    return kinds;
}

QSize Draw(Kind kind, std::mt19937& rng, QSize largest)
{
    const auto between = [&rng](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    QSize size(between(Minimum.width(), largest.width()), between(Minimum.height(), largest.height()));
    switch (kind) {
    case Kind::BelowMinimum: {
        // One side or both.
        const int sides = between(0, 2);
        if (sides != 1)
            size.setWidth(between(1, Minimum.width() - 1));
        if (sides != 0)
            size.setHeight(between(1, Minimum.height() - 1));
        break;
    }
    case Kind::ScreenSized:
        if (between(0, 2) != 1)
            size.setWidth(largest.width());
        if (between(0, 2) != 0)
            size.setHeight(largest.height());
        break;
    case Kind::Between:
        break;
    }
    return size;
}

}  // namespace

TEST(ResizeStorm, EndsWithTheMinimumHonouredThePanelFullHeightAndThePictureOfANewWindow)
{
    const char* seedText = std::getenv("MQ_STORM_SEED");
    const unsigned seed = seedText && *seedText ? static_cast<unsigned>(std::atol(seedText)) : DefaultSeed;
    std::cout << "seed " << seed << " (MQ_STORM_SEED repeats a run)" << std::endl;
    std::mt19937 rng(seed);

    TOpenGL_box box;
    ASSERT_TRUE(ShowAndExpose(box));
    const DialogCounter dialogs;
    int builds = 0;
    int frames = 0;
    QObject::connect(&box, &TOpenGL_box::WheelListBuilt, [&builds] { ++builds; });
    QObject::connect(&box, &TOpenGL_box::FramePresented, [&frames] { ++frames; });
    const unsigned list = box.Config().WheelList;

    // As large as the screen holds, with whatever frame the platform draws.
    const QSize frame = box.frameGeometry().size() - box.size();
    const QSize largest = box.screen()->availableGeometry().size() - frame;
    ASSERT_TRUE(largest.width() >= Minimum.width() && largest.height() >= Minimum.height());
    // Qt keeps its own requests at the minimum; a window manager's drag does
    // not, and there only the program's resize handler restores it.
    const bool outsideQt = RunningOnX11();

    QElapsedTimer clock;
    clock.start();
    QSize expected;
    int belowMinimum = 0;
    int outside = 0;
    const std::vector<Kind> kinds = Kinds(rng);
    for (int i = 0; i < Sizes; ++i) {
        const QSize requested = Draw(kinds[i], rng, largest);
        const QSize before = box.size();
        const int framesBefore = frames;
        expected = requested.expandedTo(Minimum);
        // Every other size below the minimum comes from outside, the last one too.
        const bool fromOutside = kinds[i] == Kind::BelowMinimum && belowMinimum++ % 2 == 0 && outsideQt;
        if (fromOutside) {
            X11ResizeFromOutside(box, requested);
            ++outside;
        } else {
            box.resize(requested);
        }
        // Each size arrives and is drawn before the next is asked for; on
        // Wayland the size is the client's own at once, and only the frame
        // takes it to the compositor.
        const bool redraws = fromOutside || expected != before;
        ASSERT_TRUE(ServeUntil([&] { return frames > framesBefore || !redraws; }) && WaitForClientSize(box, expected))
            << "resize " << i + 1 << " to " << requested.width() << "x" << requested.height() << " ended at "
            << box.width() << "x" << box.height() << ", the X server has " << X11ClientSize(box).width() << "x"
            << X11ClientSize(box).height() << ", " << frames - framesBefore << " frames (seed " << seed << ")";
        ASSERT_EQ(box.Panel()->geometry(), QRect(0, 0, 200, expected.height())) << "resize " << i + 1;
    }
    const double seconds = clock.elapsed() / 1000.0;
    std::cout << Sizes << " sizes (" << outside << " from outside Qt) in " << seconds << " s, " << frames
              << " frames presented" << std::endl;

    EXPECT_GE(box.width(), Minimum.width());
    EXPECT_GE(box.height(), Minimum.height());
    EXPECT_EQ(box.Panel()->geometry(), QRect(0, 0, 200, box.height()));
    EXPECT_EQ(box.findChild<QWidget*>("GLViewContainer")->geometry(), QRect(200, 0, box.width() - 200, box.height()));
    EXPECT_DOUBLE_EQ(box.Config().AspectRatio, static_cast<double>(box.width()) / box.height());
    EXPECT_EQ(builds, 0) << "a resize only redraws";
    EXPECT_EQ(box.Config().WheelList, list);
    EXPECT_GT(frames, 0);

    const QImage stormed = CaptureFrame(box);
    TOpenGL_box fresh;
    ASSERT_TRUE(ShowAndExpose(fresh));
    fresh.resize(box.size());
    ASSERT_TRUE(WaitForClientSize(fresh, box.size()));
    const QImage reference = CaptureFrame(fresh);
    EXPECT_EQ(dialogs.Count(), 0);

    ASSERT_FALSE(stormed.isNull());
    const QString name = QStringLiteral("resize-storm-%1-%2x%3")
                             .arg(QGuiApplication::platformName())
                             .arg(box.width())
                             .arg(box.height());
    EXPECT_TRUE(ImagesMatch(stormed, reference, name, 1)) << "the picture after the storm differs from a new window's";
}
