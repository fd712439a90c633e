// The program's windows raced against the compositor. Qt 6.4.2's Wayland
// client aborts when a window goes just as the compositor answers its last
// frame; that moment is rare, so the guard reads the wire instead: the
// stress's cycles run with the client's protocol logged, and no surface may
// be destroyed while a frame of it still awaits the compositor's answer.

#include "ProgramRun.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>

namespace {

using namespace std::chrono_literals;

// What follows `key` up to `end` on the line, or nothing.
std::string Between(const std::string& line, const std::string& key, char end)
{
    const std::size_t at = line.find(key);
    if (at == std::string::npos)
        return {};
    const std::size_t from = at + key.size();
    return line.substr(from, line.find(end, from) - from);
}

TEST(WindowRace, NoWindowGoesWhileItsLastFrameAwaitsTheCompositor)
{
    if (!std::getenv("WAYLAND_DISPLAY"))
        GTEST_SKIP() << "only a Wayland client waits for the compositor's answer to a frame";
    ProgramRun stress(MQ_WINDOW_STRESS_PATH, {{"WAYLAND_DEBUG", "client"}}, {"--child", "8"});
    ASSERT_TRUE(stress.WaitForExit(240s)) << "the stress still runs";
    ASSERT_EQ(stress.ExitCode(), 0) << stress.Output().substr(stress.Output().size() - 2000);

    std::map<std::string, std::string> pending;  // frame callback -> its surface
    int destroyed = 0;
    int early = 0;
    std::string first;
    std::istringstream wire(stress.Output());
    for (std::string line; std::getline(wire, line);) {
        if (std::string callback = Between(line, ".frame(new id wl_callback@", ')'); !callback.empty()) {
            pending[callback] = Between(line, "-> wl_surface@", '.');
        } else if (std::string answered = Between(line, "] wl_callback@", '.'); !answered.empty()) {
            pending.erase(answered);
        } else if (line.find(".destroy()") != std::string::npos) {
            const std::string surface = Between(line, "-> wl_surface@", '.');
            if (surface.empty())
                continue;
            ++destroyed;
            for (auto it = pending.begin(); it != pending.end();)
                if (it->second == surface) {
                    if (early++ == 0)
                        first = line;
                    it = pending.erase(it);
                } else {
                    ++it;
                }
        }
    }
    EXPECT_GT(destroyed, 40) << "too few windows went to tell anything";
    EXPECT_EQ(early, 0) << "surfaces destroyed with a frame unanswered, the first: " << first;
}

}  // namespace
