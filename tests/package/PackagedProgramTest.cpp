#include "ProgramRun.h"
#include "X11Client.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace {

const std::string Root = MQ_PACKAGE_ROOT;
const std::string DesktopEntry = Root + "/usr/share/applications/" MQ_APP_ID ".desktop";
const std::string MainCaption = "TZ MarloQuent - Radbauformen";

struct Icon {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::uint32_t> argb;  // row by row

    std::uint32_t At(std::uint32_t x, std::uint32_t y) const { return argb[y * width + x]; }
};

// _NET_WM_ICON: width, height and width * height ARGB pixels, for each size.
std::map<std::uint32_t, Icon> ParseIcons(const std::vector<std::uint32_t>& items)
{
    std::map<std::uint32_t, Icon> icons;
    std::size_t i = 0;
    while (i + 2 <= items.size()) {
        Icon icon{items[i], items[i + 1], {}};
        const std::size_t count = std::size_t{icon.width} * icon.height;
        if (count == 0 || i + 2 + count > items.size())
            break;
        icon.argb.assign(items.begin() + i + 2, items.begin() + i + 2 + count);
        icons[icon.width] = std::move(icon);
        i += 2 + count;
    }
    return icons;
}

std::string DesktopEntryValue(const std::string& key)
{
    std::ifstream in(DesktopEntry);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(key + "=", 0) == 0)
            return line.substr(key.size() + 1);
    return {};
}

std::uint32_t Alpha(std::uint32_t argb) { return argb >> 24; }

// The program as the package installs it, started on the test's display.
class PackagedProgram : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        X = new X11Client;
        if (!X->Connected())
            return;
        // The window's icon and class are X11 properties: keep the program on
        // X11 also where a Wayland session is reachable.
        Program = new ProgramRun(Root + "/usr/bin/marloquent", {{"QT_QPA_PLATFORM", "xcb"}});
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (Program->Running() && std::chrono::steady_clock::now() < deadline) {
            Window = X->MappedWindowOf(static_cast<std::uint32_t>(Program->Id()));
            if (Window != XCB_WINDOW_NONE)
                return;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }

    static void TearDownTestSuite()
    {
        delete X;
        X = nullptr;
        delete Program;
        Program = nullptr;
    }

    void SetUp() override
    {
        if (!X->Connected() && std::getenv("WAYLAND_DISPLAY"))
            GTEST_SKIP() << "a Wayland session without an X server: nothing holds X11 window properties";
        ASSERT_TRUE(X->Connected()) << "no X display (run under xvfb-run)";
        ASSERT_TRUE(Program->Started()) << "the program did not start";
        ASSERT_TRUE(Program->Running()) << "the program ended before it showed a window:\n" << Program->Output();
        ASSERT_NE(Window, XCB_WINDOW_NONE) << "the program showed no window within 30 s";
    }

    static inline ProgramRun* Program = nullptr;
    static inline X11Client* X = nullptr;
    static inline xcb_window_t Window = XCB_WINDOW_NONE;
};

TEST_F(PackagedProgram, WindowIconHoldsTheRimAtTheThreeRenderedSizes)
{
    const std::map<std::uint32_t, Icon> icons = ParseIcons(X->Cardinals(Window, "_NET_WM_ICON"));
    ASSERT_FALSE(icons.empty()) << "_NET_WM_ICON is not set";
    for (std::uint32_t size : {48u, 128u, 256u}) {
        ASSERT_TRUE(icons.count(size)) << "no " << size << "-pixel icon";
        const Icon& icon = icons.at(size);
        EXPECT_EQ(icon.height, size);
        // Round: clear in the corners, opaque in the middle.
        EXPECT_EQ(Alpha(icon.At(0, 0)), 0u) << size;
        EXPECT_EQ(Alpha(icon.At(size - 1, size - 1)), 0u) << size;
        EXPECT_EQ(Alpha(icon.At(size / 2, size / 2)), 255u) << size;
    }
    // The flange ring is drawn in the viewer's highlight orange.
    const std::uint32_t flange = icons.at(256).At(220, 128);
    const std::uint32_t red = (flange >> 16) & 0xFF, green = (flange >> 8) & 0xFF, blue = flange & 0xFF;
    EXPECT_GT(red, 220u) << std::hex << flange;
    EXPECT_TRUE(green > 90 && green < 170) << std::hex << flange;
    EXPECT_LT(blue, 60u) << std::hex << flange;
}

TEST_F(PackagedProgram, WindowClassIsTheOneTheDesktopEntryWaitsForInEveryRelease)
{
    // WM_CLASS is the instance name and the class, each ended by a zero byte.
    const std::string wmClass = X->Bytes(Window, "WM_CLASS");
    const std::size_t end = wmClass.find('\0');
    ASSERT_NE(end, std::string::npos) << wmClass;
    const std::string instance = wmClass.substr(0, end);
    const std::string windowClass = wmClass.substr(end + 1, wmClass.find('\0', end + 1) - end - 1);
    EXPECT_EQ(instance, "marloquent");
    const std::string startupClass = DesktopEntryValue("StartupWMClass");
    ASSERT_FALSE(startupClass.empty()) << DesktopEntry << " has no StartupWMClass";
    EXPECT_EQ(windowClass, startupClass);
    EXPECT_EQ(windowClass, MQ_WINDOW_CLASS);
    // A version in either would change the match with every release.
    for (const std::string& name : {windowClass, startupClass}) {
        EXPECT_EQ(name.find(MQ_VERSION), std::string::npos) << name;
        EXPECT_EQ(name.find_first_of("0123456789"), std::string::npos) << name;
    }
}

// The program's own release shows only in the caption of the box that says
// there is no OpenGL.
TEST(PackagedProgramWithoutGL, ErrorBoxCaptionNamesTheRelease)
{
    X11Client x;
    if (!x.Connected() && std::getenv("WAYLAND_DISPLAY"))
        GTEST_SKIP() << "a Wayland session without an X server: nothing holds X11 window properties";
    ASSERT_TRUE(x.Connected()) << "no X display (run under xvfb-run)";
    ProgramRun program(Root + "/usr/bin/marloquent", {{"QT_QPA_PLATFORM", "xcb"}, {"QT_XCB_GL_INTEGRATION", "none"}});
    ASSERT_TRUE(program.Started());
    std::string caption;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (caption.empty() && program.Running() && std::chrono::steady_clock::now() < deadline) {
        for (xcb_window_t window : x.MappedWindowsOf(static_cast<std::uint32_t>(program.Id()))) {
            const std::string name = x.Bytes(window, "_NET_WM_NAME");
            if (!name.empty() && name != MainCaption)
                caption = name;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ASSERT_FALSE(caption.empty()) << "no error box within 30 s:\n" << program.Output();
    EXPECT_EQ(caption, "MarloQuent " MQ_VERSION);
}

}  // namespace
