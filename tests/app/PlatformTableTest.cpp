// What the program does on every platform plugin when it cannot have a
// display or GL, and that it ends cleanly when a window manager closes it.

#include "PrivateXServer.h"
#include "ProgramRun.h"
#include "X11Client.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <tuple>

namespace {

using namespace std::chrono_literals;
using Environment = ProgramRun::Environment;

const std::string Program = MQ_MARLOQUENT_PATH;
// Long enough for the sanitizer build; a hang is far beyond it.
constexpr auto FewSeconds = 10s;

// Nothing of the test's own session leaks into the program's.
Environment Session(Environment changes)
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
        changes.try_emplace(name, std::nullopt);
    return changes;
}

int LinesStartingWith(const std::string& text, const std::string& prefix)
{
    int count = 0;
    for (std::size_t at = 0; at < text.size(); at = text.find('\n', at) + 1) {
        if (text.compare(at, prefix.size(), prefix) == 0)
            ++count;
        if (text.find('\n', at) == std::string::npos)
            break;
    }
    return count;
}

struct Refusal {
    const char* what;
    Environment environment;
    const char* cause;  // what the one line must name
};

// Runs the program where it must refuse, and checks the one-line answer.
void ExpectRefusal(const Refusal& r)
{
    ProgramRun run(Program, r.environment);
    ASSERT_TRUE(run.Started()) << r.what;
    ASSERT_TRUE(run.WaitForExit(FewSeconds)) << r.what << ": still running, output so far:\n" << run.Output();
    EXPECT_EQ(run.ExitCode(), 1) << r.what << "\n" << run.Output();
    EXPECT_EQ(LinesStartingWith(run.Output(), "marloquent: "), 1) << r.what << "\n" << run.Output();
    EXPECT_NE(run.Output().find(r.cause), std::string::npos) << r.what << "\n" << run.Output();
    // Qt's own advice would mislead: nothing is wrong with the installation.
    EXPECT_EQ(run.Output().find("Reinstalling"), std::string::npos) << r.what << "\n" << run.Output();
    EXPECT_EQ(run.Output().find("qt.qpa"), std::string::npos) << r.what << "\n" << run.Output();
}

}  // namespace

TEST(PlatformTable, WithoutADisplayEveryPlatformNamesTheCauseAndEnds)
{
    const std::string runtime = ::testing::TempDir();
    const Refusal refusals[] = {
        {"no display at all", Session({}), "no display could be opened (neither DISPLAY nor WAYLAND_DISPLAY is set)"},
        {"an X display nobody serves", Session({{"DISPLAY", ":9999"}}),
         "no display could be opened (xcb: could not connect to display :9999)"},
        {"a Wayland socket nobody serves",
         Session({{"QT_QPA_PLATFORM", "wayland"}, {"WAYLAND_DISPLAY", "marloquent-nobody"},
                  {"XDG_RUNTIME_DIR", runtime}}),
         "no display could be opened (wayland: "},
        {"offscreen without a display", Session({{"QT_QPA_PLATFORM", "offscreen"}}),
         "the Qt platform \"offscreen\" shows no windows"},
        {"minimal", Session({{"QT_QPA_PLATFORM", "minimal"}}), "the Qt platform \"minimal\" shows no windows"},
    };
    for (const Refusal& r : refusals)
        ExpectRefusal(r);
}

TEST(PlatformTable, TheCommandLineIsAnsweredWithoutADisplay)
{
    const std::tuple<const char*, const char*, int> rows[] = {{"--help", "Aufruf: marloquent", 0},
                                                              {"--version", "MarloQuent ", 0},
                                                              {"--bogus", "marloquent: unbekannte Option „--bogus“", 2}};
    for (const auto& [option, answer, status] : rows) {
        ProgramRun run(Program, Session({}), {option});
        ASSERT_TRUE(run.WaitForExit(FewSeconds)) << option;
        EXPECT_EQ(run.ExitCode(), status) << option << "\n" << run.Output();
        EXPECT_EQ(run.Output().rfind(answer, 0), 0u) << option << "\n" << run.Output();
    }
}

TEST(PlatformTable, AColourMappedXScreenHasNoGLAndGetsNoDialogThatCouldNotPaint)
{
    PrivateXServer server(8);
    ASSERT_TRUE(server.Ready()) << "Xvfb did not start";
    ExpectRefusal({"8-bit X screen", Session({{"DISPLAY", server.Display()}}), "the X screen has 8-bit colour"});
}

// Started on a private X server, the program runs until the window manager's
// close request, and then ends with 0: also in the sanitizer build, whose
// leak check runs at that exit.
TEST(PlatformTable, ARunningProgramEndsWithZeroWhenItsWindowIsClosed)
{
    struct Server {
        const char* what;
        std::vector<std::string> options;
    };
    // Without GLX, Qt draws the view through EGL on the same X server.
    const Server servers[] = {{"X server with GLX", {}}, {"X server without GLX", {"-extension", "GLX"}}};
    for (const Server& s : servers) {
        PrivateXServer server(24, s.options);
        ASSERT_TRUE(server.Ready()) << s.what << ": Xvfb did not start";
        X11Client x(server.Display().c_str());
        ASSERT_TRUE(x.Connected()) << s.what;
        ProgramRun run(Program, Session({{"DISPLAY", server.Display()}}));
        xcb_window_t window = XCB_WINDOW_NONE;
        const auto deadline = std::chrono::steady_clock::now() + FewSeconds;
        while (window == XCB_WINDOW_NONE && run.Running() && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(50ms);
            window = x.MappedWindowOf(static_cast<std::uint32_t>(run.Id()));
        }
        ASSERT_NE(window, XCB_WINDOW_NONE) << s.what << ": no window; output:\n" << run.Output();
        x.RequestClose(window);
        ASSERT_TRUE(run.WaitForExit(FewSeconds)) << s.what << ": still running after the close request";
        EXPECT_EQ(run.ExitCode(), 0) << s.what << "\n" << run.Output();
    }
}
