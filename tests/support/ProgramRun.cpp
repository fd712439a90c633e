#include "ProgramRun.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <vector>

extern char** environ;

ProgramRun::ProgramRun(const std::string& program, const Environment& changes,
                       const std::vector<std::string>& arguments)
{
    std::vector<std::string> environment;
    for (char** variable = environ; *variable; ++variable) {
        const std::string entry(*variable);
        if (!changes.count(entry.substr(0, entry.find('='))))
            environment.push_back(entry);
    }
    for (const auto& [name, value] : changes)
        if (value)
            environment.push_back(name + "=" + *value);
    std::vector<char*> envp;
    for (std::string& variable : environment)
        envp.push_back(variable.data());
    envp.push_back(nullptr);

    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDERR_FILENO);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    if (posix_spawnp(&Pid, program.c_str(), &actions, nullptr, argv.data(), envp.data()) != 0)
        Pid = 0;
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    Pipe = fds[0];
}

ProgramRun::~ProgramRun()
{
    if (Running()) {
        kill(Pid, SIGKILL);
        waitpid(Pid, nullptr, 0);
    }
    if (Pipe >= 0)
        close(Pipe);
}

void ProgramRun::Read(int timeoutMs)
{
    pollfd p{Pipe, POLLIN, 0};
    if (Pipe < 0 || poll(&p, 1, timeoutMs) <= 0)
        return;
    char buffer[4096];
    const ssize_t n = read(Pipe, buffer, sizeof buffer);
    if (n > 0)
        Printed.append(buffer, static_cast<std::size_t>(n));
}

bool ProgramRun::Running()
{
    if (Pid <= 0)
        return false;
    Read(0);
    int status = 0;
    if (waitpid(Pid, &status, WNOHANG) != Pid)
        return true;
    Pid = 0;
    Ended = true;
    Code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    // What it wrote last is still in the pipe.
    for (int i = 0; i < 100 && Pipe >= 0; ++i) {
        const std::size_t before = Printed.size();
        Read(0);
        if (Printed.size() == before)
            break;
    }
    return false;
}

bool ProgramRun::WaitForExit(std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (Running()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        Read(20);
    }
    return Ended;
}
