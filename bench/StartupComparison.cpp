#include "StartupComparison.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Sample {
    double firstFrameMs = 0;
    double displayMs = 0;
    double peakMiB = 0;
};

struct Series {
    const char* name;
    std::string program;
    std::vector<Sample> samples;
};

double Milliseconds(long long fromNs, long long toNs)
{
    return static_cast<double>(toNs - fromNs) / 1e6;
}

long long Now()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Reads what the child prints until it closes its output or the time is up.
bool ReadAll(int fd, std::string& out, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    char buffer[512];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left.count())) <= 0)
            continue;
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n == 0)
            return true;
        if (n > 0)
            out.append(buffer, static_cast<std::size_t>(n));
    }
}

std::optional<Sample> RunOnce(const std::string& program)
{
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // Its messages too: shown only when the run fails.
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDERR_FILENO);
    std::string path = program;
    char* argv[] = {path.data(), nullptr};
    pid_t pid = 0;
    const long long spawned = Now();
    const int spawnError = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawnError != 0) {
        close(pipeFds[0]);
        std::fprintf(stderr, "frame_bench: cannot start %s\n", program.c_str());
        return std::nullopt;
    }
    std::string out;
    const bool ended = ReadAll(pipeFds[0], out, std::chrono::seconds(30));
    close(pipeFds[0]);
    if (!ended)
        kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);

    long long frameNs = 0, displayNs = 0;
    long peakKiB = 0;
    const std::size_t report = out.find("first-frame-ns=");
    if (report == std::string::npos ||
        std::sscanf(out.c_str() + report, "first-frame-ns=%lld display-ns=%lld peak-kib=%ld", &frameNs, &displayNs,
                    &peakKiB) != 3) {
        std::fprintf(stderr, "frame_bench: %s showed no frame%s:\n%s\n", program.c_str(), ended ? "" : " within 30 s",
                     out.c_str());
        return std::nullopt;
    }
    return Sample{Milliseconds(spawned, frameNs), Milliseconds(spawned, displayNs), static_cast<double>(peakKiB) / 1024.0};
}

double Quantile(std::vector<double> values, double q)
{
    std::sort(values.begin(), values.end());
    // Between the two nearest samples, as the median of an even count is.
    const double position = q * static_cast<double>(values.size() - 1);
    const std::size_t below = static_cast<std::size_t>(position);
    const std::size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (values[above] - values[below]) * (position - static_cast<double>(below));
}

// One figure of every sample, or of every pair of samples taken together.
template <typename Figure>
std::vector<double> Figures(const std::vector<Sample>& a, const std::vector<Sample>& b, Figure figure)
{
    std::vector<double> values;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        values.push_back(figure(a[i], b[i]));
    return values;
}

double Median(const std::vector<Sample>& samples, double Sample::*field)
{
    return Quantile(Figures(samples, samples, [field](const Sample& s, const Sample&) { return s.*field; }), 0.5);
}

void PrintSeries(const Series& s)
{
    const std::vector<double> frame =
        Figures(s.samples, s.samples, [](const Sample& a, const Sample&) { return a.firstFrameMs; });
    std::printf("  %-13s first frame %7.1f ms (quartiles %.1f to %.1f), display open at %5.1f ms, peak %6.1f MiB\n",
                s.name, Quantile(frame, 0.5), Quantile(frame, 0.25), Quantile(frame, 0.75),
                Median(s.samples, &Sample::displayMs), Median(s.samples, &Sample::peakMiB));
}

// The viewer's figures against a baseline's, from the medians and pair by
// pair, the latter steadier when the machine's load drifts.
void PrintAgainst(const Series& viewer, const Series& baseline)
{
    const std::vector<Sample>& v = viewer.samples;
    const std::vector<Sample>& b = baseline.samples;
    std::printf("  %s against the %s: first complete frame %.2f x, peak memory %+.1f MiB\n", viewer.name, baseline.name,
                Median(v, &Sample::firstFrameMs) / Median(b, &Sample::firstFrameMs),
                Median(v, &Sample::peakMiB) - Median(b, &Sample::peakMiB));
    const auto pairs = [&v, &b](auto figure) { return Quantile(Figures(v, b, figure), 0.5); };
    std::printf("    median of the pairs: %.2f x, %+.1f ms, %+.1f MiB\n",
                pairs([](const Sample& x, const Sample& y) { return x.firstFrameMs / y.firstFrameMs; }),
                pairs([](const Sample& x, const Sample& y) { return x.firstFrameMs - y.firstFrameMs; }),
                pairs([](const Sample& x, const Sample& y) { return x.peakMiB - y.peakMiB; }));
}

}  // namespace

bool CompareStartup(int runs, const std::string& before)
{
    const std::filesystem::path dir = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    std::vector<Series> all{{"bare window", (dir / "bare_window").string(), {}},
                            {"lit window", (dir / "lit_window").string(), {}},
                            {"viewer", (dir / "startup_probe").string(), {}}};
    if (!before.empty())
        all.push_back({"viewer before", before, {}});
    // One start of each, not counted, brings them all into the page cache.
    for (const Series& s : all)
        if (!RunOnce(s.program))
            return false;
    for (int i = 0; i < runs; ++i) {
        // Each goes first in turn.
        for (std::size_t k = 0; k < all.size(); ++k) {
            Series& s = all[(i + k) % all.size()];
            const std::optional<Sample> sample = RunOnce(s.program);
            if (!sample)
                return false;
            s.samples.push_back(*sample);
        }
    }
    std::printf("start-up, median of %d interleaved runs each, from spawning the process:\n", runs);
    for (const Series& s : all)
        PrintSeries(s);
    for (std::size_t viewer = 2; viewer < all.size(); ++viewer) {
        PrintAgainst(all[viewer], all[0]);
        PrintAgainst(all[viewer], all[1]);
    }
    return true;
}
