// Moved between screens of scale 1 and 2, the view draws a new frame at the
// new scale at once, the picture a window started on that screen shows. Xvfb
// has only one monitor, so the test runs GNOME's compositor nested in an
// Xvfb of its own, with two outputs of scale 1 and 2, and this program again
// as its Wayland client; the compositor's own key binding moves the window.

#include "FrameCapture.h"
#include "FrameReadback.h"
#include "GLView.h"
#include "ImageCompare.h"
#include "PrivateXServer.h"
#include "ProgramRun.h"
#include "ct_ogl1.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>

namespace {

using namespace std::chrono_literals;

const QSize Client(800, 600);
const char* const OutputVariable = "MQ_MOVE_OUTPUT";
const char* const RoleVariable = "MQ_MOVE_ROLE";
// Two outputs side by side, 1800 x 1400 pixels each: the left one at scale
// 1, the right one at scale 2 (900 x 700 logical pixels).
const int MonitorWidth = 1800;
const int MonitorHeight = 1400;
const std::string Socket = "marloquent-move";

bool WaitForPath(const std::string& path, ProgramRun& owner, std::chrono::milliseconds limit)
{
    for (auto waited = 0ms; waited < limit; waited += 50ms) {
        if (access(path.c_str(), F_OK) == 0)
            return true;
        if (!owner.Running())
            return false;
        owner.WaitForExit(50ms);
    }
    return false;
}

bool WaitForOutput(ProgramRun& run, const std::string& text, std::chrono::milliseconds limit)
{
    for (auto waited = 0ms; waited < limit; waited += 20ms) {
        run.Running();
        if (run.Output().find(text) != std::string::npos)
            return true;
        if (run.WaitForExit(20ms))
            return run.Output().find(text) != std::string::npos;
    }
    return false;
}

// mutter --nested in an Xvfb of its own, on a session bus of its own, with
// outputs of the given scales side by side ("1,2"); all three stop when the
// object goes, the compositor first.
class NestedMutter {
public:
    NestedMutter(const std::string& runtime, const std::string& scales)
        : Runtime(runtime)
        , Server(24, {"-screen", "0",
                      std::to_string(MonitorWidth * (1 + std::count(scales.begin(), scales.end(), ','))) + "x" +
                          std::to_string(MonitorHeight) + "x24"})
        , Bus("dbus-daemon", {}, {"--session", "--nofork", "--address=unix:path=" + runtime + "/bus"})
    {
        if (!Server.Ready() || !WaitForPath(runtime + "/bus", Bus, 10s))
            return;
        Compositor = std::make_unique<ProgramRun>(
            "mutter",
            ProgramRun::Environment{{"DISPLAY", Server.Display()},
                                    {"XDG_RUNTIME_DIR", runtime},
                                    {"HOME", runtime},
                                    {"XDG_CONFIG_HOME", runtime + "/config"},
                                    {"DBUS_SESSION_BUS_ADDRESS", "unix:path=" + runtime + "/bus"},
                                    {"WAYLAND_DISPLAY", std::nullopt},
                                    {"MUTTER_DEBUG_NUM_DUMMY_MONITORS",
                                     std::to_string(1 + std::count(scales.begin(), scales.end(), ','))},
                                    {"MUTTER_DEBUG_DUMMY_MONITOR_SCALES", scales},
                                    {"MUTTER_DEBUG_DUMMY_MODE_SPECS",
                                     std::to_string(MonitorWidth) + "x" + std::to_string(MonitorHeight)}},
            std::vector<std::string>{"--nested", "--wayland", "--no-x11", "--wayland-display=" + Socket});
        Up = WaitForPath(runtime + "/" + Socket, *Compositor, 30s);
    }

    bool Ready() const { return Up; }
    std::string Log() { return Compositor ? (Compositor->Running(), Compositor->Output()) : Bus.Output(); }

    // An X client on the compositor's server: the pointer and the keyboard.
    bool Xdotool(const std::vector<std::string>& arguments)
    {
        ProgramRun tool("xdotool", {{"DISPLAY", Server.Display()}}, arguments);
        return tool.WaitForExit(10s) && tool.ExitCode() == 0;
    }

    // This test program again, as a Wayland client of the compositor.
    std::unique_ptr<ProgramRun> Client(const std::string& role, const std::string& output)
    {
        return std::make_unique<ProgramRun>(
            QCoreApplication::applicationFilePath().toStdString(),
            ProgramRun::Environment{{"XDG_RUNTIME_DIR", Runtime},
                                    {"WAYLAND_DISPLAY", Socket},
                                    {"QT_QPA_PLATFORM", "wayland"},
                                    {"DISPLAY", std::nullopt},
                                    {"QT_SCALE_FACTOR", std::nullopt},
                                    {"QT_SCREEN_SCALE_FACTORS", std::nullopt},
                                    {RoleVariable, role},
                                    {OutputVariable, output}},
            std::vector<std::string>{"--gtest_filter=ScreenMove.ClientOfTheCompositor"});
    }

private:
    std::string Runtime;
    PrivateXServer Server;
    ProgramRun Bus;
    std::unique_ptr<ProgramRun> Compositor;
    bool Up = false;
};

std::string FramePath(const std::string& directory, const char* name, int scale)
{
    return directory + "/" + name + "-" + std::to_string(scale) + ".png";
}

}  // namespace

// Run by the test below as the compositor's client. "fresh SCALE WxH" opens
// at that size on a desktop whose one output has that scale and writes its
// frame; "move" opens on the scale 1 output and writes, after each move the
// test makes, the first frame it draws at the new scale, without a click.
TEST(ScreenMove, ClientOfTheCompositor)
{
    const char* output = std::getenv(OutputVariable);
    const char* role = std::getenv(RoleVariable);
    if (!output || !role) {
        GTEST_SKIP() << "runs only as the client of the comparison below";
    }
    // "fresh SCALE WxH" or "move".
    int startScale = 1;
    QSize size = Client;
    const bool fresh = std::sscanf(role, "fresh %d %dx%d", &startScale, &size.rwidth(), &size.rheight()) == 3;
    TOpenGL_box box;
    ASSERT_FALSE(StartFrame(box, size).isNull());
    // A new window learns its output's scale once the compositor has put it
    // there, after its first frame.
    ASSERT_TRUE(QTest::qWaitFor([&] { return box.View()->devicePixelRatio() == startScale; }, 5000))
        << "the window opened at scale " << box.View()->devicePixelRatio();
    ASSERT_EQ(box.size(), size);
    if (fresh) {
        ASSERT_TRUE(CaptureFrame(box).save(QString::fromStdString(FramePath(output, "fresh", startScale))));
        return;
    }

    QImage moved;
    QSize movedSize;
    int from = startScale;
    int movedScale = 0;
    QObject::connect(&box, &TOpenGL_box::FrameDrawn, [&] {
        const int scale = static_cast<int>(box.View()->devicePixelRatio());
        if (moved.isNull() && scale != from) {
            moved = ReadBackBuffer(box.View()->size() * scale);
            movedScale = scale;
            movedSize = box.size();
        }
    });
    for (int move = 0; move < 2; ++move) {
        from = move == 0 ? startScale : movedScale;
        moved = QImage();
        QSignalSpy builds(&box, &TOpenGL_box::WheelListBuilt);
        QSignalSpy presented(&box, &TOpenGL_box::FramePresented);
        std::printf("ready to move from scale %d\n", from);
        std::fflush(stdout);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !moved.isNull(); }, 30000)) << "no frame at a new scale";
        ASSERT_TRUE(QTest::qWaitFor([&] { return presented.count() > 0; }, 2000)) << "the frame was not presented";
        EXPECT_EQ(builds.count(), 0) << "a new scale rebuilt the model";
        ASSERT_TRUE(moved.save(QString::fromStdString(FramePath(output, "moved", movedScale))));
        // The compositor may round the window's size on the way.
        std::printf("moved to scale %d at %dx%d\n", movedScale, movedSize.width(), movedSize.height());
    }
}

TEST(ScreenMove, EachFrameAfterAMoveIsAFreshStartAtThatScale)
{
    QTemporaryDir runtime(QDir::tempPath() + QStringLiteral("/marloquent-move-XXXXXX"));
    ASSERT_TRUE(runtime.isValid());
    const std::string dir = runtime.path().toStdString();
    const auto desktopIn = [&dir](const std::string& name) {
        const std::string path = dir + "/" + name;
        QDir().mkpath(QString::fromStdString(path));
        QFile::setPermissions(QString::fromStdString(path), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    };

    std::string moves;
    {
        NestedMutter desktop(desktopIn("move"), "1,2");
        if (!desktop.Ready())
            GTEST_SKIP() << "mutter --nested did not come up here, so no window can move between scales:\n"
                         << desktop.Log();
        // The window opens on the first output, of scale 1; the compositor's
        // key binding moves it to the next output and back.
        auto mover = desktop.Client("move", dir);
        ASSERT_TRUE(WaitForOutput(*mover, "ready to move from scale 1", 60s)) << mover->Output();
        // A key that comes before the compositor has focused the new window
        // moves nothing; once moved, the window has no output further on.
        const auto move = [&](const char* key, const char* done) {
            for (int tries = 0; tries < 10; ++tries) {
                if (!desktop.Xdotool({"key", key}))
                    return false;
                if (WaitForOutput(*mover, done, 2s))
                    return true;
            }
            return false;
        };
        ASSERT_TRUE(move("super+shift+Right", "moved to scale 2")) << mover->Output();
        ASSERT_TRUE(WaitForOutput(*mover, "ready to move from scale 2", 10s)) << mover->Output();
        ASSERT_TRUE(move("super+shift+Left", "moved to scale 1")) << mover->Output();
        ASSERT_TRUE(mover->WaitForExit(30s)) << mover->Output();
        ASSERT_EQ(mover->ExitCode(), 0) << mover->Output();
        moves = mover->Output();
    }

    // Each fresh start on a desktop whose one output has that scale, at the
    // size the moved window had.
    static const std::regex moveLine(R"(moved to scale (\d) at (\d+)x(\d+))");
    int compared = 0;
    for (std::sregex_iterator m(moves.begin(), moves.end(), moveLine), end; m != end; ++m) {
        const std::string scale = (*m)[1].str();
        const std::string size = (*m)[2].str() + "x" + (*m)[3].str();
        SCOPED_TRACE("scale " + scale + ", " + size);
        NestedMutter desktop(desktopIn("fresh-" + std::to_string(compared)), scale);
        ASSERT_TRUE(desktop.Ready()) << desktop.Log();
        auto fresh = desktop.Client("fresh " + scale + " " + size, dir);
        ASSERT_TRUE(fresh->WaitForExit(60s)) << fresh->Output();
        ASSERT_EQ(fresh->ExitCode(), 0) << fresh->Output();

        const int s = std::stoi(scale);
        const QImage expected =
            QImage(QString::fromStdString(FramePath(dir, "fresh", s))).convertToFormat(QImage::Format_RGBA8888);
        const QImage moved =
            QImage(QString::fromStdString(FramePath(dir, "moved", s))).convertToFormat(QImage::Format_RGBA8888);
        ASSERT_FALSE(expected.isNull());
        ASSERT_FALSE(moved.isNull());
        // Within a rounding step, the picture a fresh start draws there.
        EXPECT_TRUE(ImagesMatch(moved, expected, QStringLiteral("screen-move-%1-to-scale-%2").arg(compared + 1).arg(s),
                                2));
        ++compared;
    }
    EXPECT_EQ(compared, 2) << moves;
}
