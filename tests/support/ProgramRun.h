#pragma once

#include <sys/types.h>

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

// A program (found on PATH unless given with its path) started as a child
// with changes to this process's environment (a value sets a variable,
// nullopt removes it), its standard output and error caught together. Killed
// if it still runs when the object goes.
class ProgramRun {
public:
    using Environment = std::map<std::string, std::optional<std::string>>;

    ProgramRun(const std::string& program, const Environment& changes, const std::vector<std::string>& arguments = {});
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    bool Started() const { return Pid > 0 || Ended; }
    pid_t Id() const { return Pid; }

    // Waits until the program ends or the time is up; true when it ended.
    bool WaitForExit(std::chrono::milliseconds limit);
    // Whether it still runs; takes in what it has printed meanwhile.
    bool Running();

    // The exit code once it ended by exiting; -1 while it runs or after a signal.
    int ExitCode() const { return Code; }
    const std::string& Output() const { return Printed; }

private:
    void Read(int timeoutMs);

    pid_t Pid = 0;
    int Pipe = -1;
    bool Ended = false;
    int Code = -1;
    std::string Printed;
};
