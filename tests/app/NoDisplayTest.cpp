#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace {

struct Outcome {
    bool exited = false;  // ended by exit, not by a signal
    int code = -1;
    std::string output;
};

Outcome RunProgram(const std::string& environment)
{
    const std::string command = "env " + environment + " " MQ_MARLOQUENT_PATH " 2>&1";
    Outcome outcome;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return outcome;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe))
        outcome.output += buffer;
    const int status = pclose(pipe);
    outcome.exited = WIFEXITED(status);
    outcome.code = outcome.exited ? WEXITSTATUS(status) : -1;
    return outcome;
}

}  // namespace

TEST(NoDisplay, WithoutAnyDisplayTheProgramSaysSoAndExitsNonZero)
{
    const Outcome o = RunProgram("-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM");
    EXPECT_TRUE(o.exited) << o.output;
    EXPECT_NE(o.code, 0);
    EXPECT_NE(o.output.find("no display could be opened"), std::string::npos) << o.output;
}

TEST(NoDisplay, AnUnreachableDisplayEndsWithTheSameMessageInsteadOfAnAbort)
{
    const Outcome o = RunProgram("-u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:9999");
    EXPECT_TRUE(o.exited) << "ended by a signal: " << o.output;
    EXPECT_NE(o.code, 0);
    EXPECT_NE(o.output.find("no display could be opened"), std::string::npos) << o.output;
}
