// The start-up frame is the same picture on every platform and scale: the
// frame of this run (Wayland or X11, scaled or not) is compared with the one
// the same program draws as an X11 client at scale 1 on an X server of the
// test's own.

#include "FrameCapture.h"
#include "ImageCompare.h"
#include "GLView.h"
#include "PrivateXServer.h"
#include "ProgramRun.h"
#include "ct_ogl1.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

using namespace std::chrono_literals;

// Every platform can give the client its minimum size.
const QSize Client(800, 600);
const char* const OutputVariable = "MQ_FRAME_MATCH_OUTPUT";

}  // namespace

// The reference: run by the test below in a child process on its X server.
TEST(FrameMatch, WriteStartFrame)
{
    const char* output = std::getenv(OutputVariable);
    if (!output)
        GTEST_SKIP() << "draws the reference only when the comparison below asks for it";
    TOpenGL_box box;
    const QImage frame = StartFrame(box, Client);
    ASSERT_FALSE(frame.isNull());
    ASSERT_TRUE(frame.save(QString::fromLocal8Bit(output)));
}

TEST(FrameMatch, StartFrameIsTheX11PictureAtScaleOneRenderedAtThisScreensPixels)
{
    TOpenGL_box box;
    const QImage frame = StartFrame(box, Client);
    ASSERT_FALSE(frame.isNull());
    const double scale = box.View()->devicePixelRatio();

    PrivateXServer server(24);
    ASSERT_TRUE(server.Ready()) << "Xvfb did not start";
    // A folder of its own: the scaled runs of this test draw theirs at once.
    const QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string path = folder.filePath(QStringLiteral("reference-frame.png")).toStdString();
    ProgramRun reference(QCoreApplication::applicationFilePath().toStdString(),
                         {{"DISPLAY", server.Display()},
                          {"QT_QPA_PLATFORM", "xcb"},
                          {"WAYLAND_DISPLAY", std::nullopt},
                          {"QT_SCALE_FACTOR", std::nullopt},
                          {OutputVariable, path}},
                         {"--gtest_filter=FrameMatch.WriteStartFrame"});
    ASSERT_TRUE(reference.WaitForExit(60s)) << reference.Output();
    ASSERT_EQ(reference.ExitCode(), 0) << reference.Output();
    const QImage x11 = QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGBA8888);
    ASSERT_FALSE(x11.isNull());

    const QString name = QStringLiteral("frame-match-%1-scale-%2").arg(QGuiApplication::platformName()).arg(scale);
    WriteTestImage(frame, name);
    WriteTestImage(x11, QStringLiteral("frame-match-reference"));

    // Drawn at the device's pixels, not scaled up afterwards.
    ASSERT_EQ(x11.size(), QSize(600, 600));
    EXPECT_LE(std::abs(frame.width() - std::lround(600 * scale)), 1);
    EXPECT_LE(std::abs(frame.height() - std::lround(600 * scale)), 1);

    // Sampled at each reference pixel's centre, the picture is the same; at
    // scale 1 pixel for pixel. At other scales the pixels along edges fall
    // on the other side of the edge, about one percent of them.
    int differing = 0;
    int largest = 0;
    for (int y = 0; y < x11.height(); ++y) {
        for (int x = 0; x < x11.width(); ++x) {
            const int sx = std::min(frame.width() - 1, static_cast<int>((x + 0.5) * scale));
            const int sy = std::min(frame.height() - 1, static_cast<int>((y + 0.5) * scale));
            const int d = ChannelDifference(frame.pixel(sx, sy), x11.pixel(x, y));
            largest = std::max(largest, d);
            differing += d > 6;
        }
    }
    const int pixels = x11.width() * x11.height();
    RecordProperty("differing_pixels", differing);
    RecordProperty("largest_difference", largest);
    if (scale == 1.0) {
        EXPECT_LE(largest, 1) << "see " << name.toStdString();
    } else {
        EXPECT_LT(differing, pixels / 50) << "see " << name.toStdString();
    }
}
