// Makes the program's own windows race the compositor: popups (the view's
// part names, the refusal reasons, the buttons' hints) shown, moved and
// hidden in quick succession, the context menu opened and closed, and a main
// window shown and closed, with two CPU-bound processes beside it. Run under
// scripts/with-weston for Wayland, or under Xvfb.
//
//   window_stress [--cycles N] [--per-run K] [--hogs H]
//
// The driver runs the cycles in child processes of K cycles each, so that a
// run that aborts is counted and the next one goes on; it prints the aborts
// per thousand cycles and the first line each abort wrote.

#include "PinnedLibraries.h"
#include "WindowStress.h"

#include <QApplication>

#include <csignal>
#include <execinfo.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

int Option(int argc, char** argv, const char* name, int fallback)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return std::atoi(argv[i + 1]);
    return fallback;
}

// A process that only burns CPU until it is killed.
pid_t StartHog()
{
    const pid_t pid = fork();
    if (pid == 0) {
        volatile unsigned long spin = 0;
        for (;;)
            spin = spin + 1;
    }
    return pid;
}

struct RunResult {
    int cycles = 0;       // cycles the child reported complete
    bool aborted = false;  // ended by a signal or a failed status
    std::string firstLine;  // the first line it wrote to standard error
};

// One child run: the cycles it finished, read from its standard output, one
// line each, and how it ended.
RunResult RunChild(const char* self, int cycles)
{
    int out[2];
    int err[2];
    if (pipe(out) != 0 || pipe(err) != 0)
        return {0, true, "pipe failed"};
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        dup2(err[1], STDERR_FILENO);
        close(out[0]);
        close(err[0]);
        const std::string count = std::to_string(cycles);
        execl(self, self, "--child", count.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    close(err[1]);
    RunResult result;
    char buffer[4096];
    ssize_t n;
    while ((n = read(out[0], buffer, sizeof buffer)) > 0)
        for (ssize_t i = 0; i < n; ++i)
            result.cycles += buffer[i] == '\n';
    std::string errors;
    while ((n = read(err[0], buffer, sizeof buffer)) > 0)
        errors.append(buffer, static_cast<std::size_t>(n));
    close(out[0]);
    close(err[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    result.aborted = !(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    if (result.aborted) {
        // The line that names the fault, not Qt's warnings before it.
        std::size_t at = errors.find("Assertion");
        if (at == std::string::npos)
            at = errors.find("free(");
        if (at == std::string::npos)
            at = 0;
        const std::size_t end = errors.find('\n', at);
        result.firstLine = errors.substr(at, end == std::string::npos ? std::string::npos : end - at);
        if (WIFSIGNALED(status))
            result.firstLine += " (signal " + std::to_string(WTERMSIG(status)) + ")";
        std::fprintf(stderr, "\n%s\n", errors.c_str());
    }
    return result;
}

int Drive(const char* self, int cycles, int perRun, int hogs)
{
    std::vector<pid_t> hogPids;
    for (int i = 0; i < hogs; ++i)
        hogPids.push_back(StartHog());
    int done = 0;
    int aborts = 0;
    std::map<std::string, int> faults;
    while (done < cycles) {
        const RunResult run = RunChild(self, std::min(perRun, cycles - done));
        // A run that aborted at its first cycle still took one.
        done += std::max(run.cycles, run.aborted ? 1 : 0);
        if (run.aborted) {
            ++aborts;
            ++faults[run.firstLine];
        }
        std::fprintf(stderr, "\r%d cycles, %d aborts", done, aborts);
    }
    for (const pid_t pid : hogPids) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    std::printf("\ncycles %d, aborts %d, aborts per 1000 cycles %.2f\n", done, aborts,
                done ? 1000.0 * aborts / done : 0.0);
    for (const auto& [line, count] : faults)
        std::printf("  %4d x %s\n", count, line.c_str());
    return EXIT_SUCCESS;
}

// The stack of a fault, so that the driver can tell which window's hide it
// came from.
void PrintStack(int signal)
{
    void* frames[64];
    const int count = backtrace(frames, 64);
    backtrace_symbols_fd(frames, count, STDERR_FILENO);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

}  // namespace

int main(int argc, char** argv)
{
    const int child = Option(argc, argv, "--child", 0);
    if (child == 0)
        return Drive(argv[0], Option(argc, argv, "--cycles", 1000), Option(argc, argv, "--per-run", 100),
                     Option(argc, argv, "--hogs", 2));
    std::signal(SIGABRT, PrintStack);
    std::signal(SIGSEGV, PrintStack);
    QApplication app(argc, argv);
    const bool done = RunWindowStress(child, [](int) {
        std::puts("cycle");
        std::fflush(stdout);
    });
    // As the program does, so that a leak report at exit names the driver.
    PinLoadedLibraries();
    return done ? EXIT_SUCCESS : EXIT_FAILURE;
}
