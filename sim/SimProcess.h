#pragma once
#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace vardeck::sim {

// Runs the vardeck-sim program as a child process: starts it, waits for the
// terminal path on its first output line, and stops it again. For integration
// tests and the benchmark, which talk to the simulator over a real terminal.
// Every wait has a deadline; nothing sleeps for a fixed time.
class SimProcess {
public:
    SimProcess() = default;
    ~SimProcess();  // stops a child still running
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // Starts `program` with `args` and waits up to `deadline` for the first line.
    // False with a message when the child could not start or ended first; a
    // child that ended is still there for waitExit().
    bool start(const std::string& program, const std::vector<std::string>& args,
               std::chrono::milliseconds deadline, std::string& error);
    const std::string& slavePath() const { return slavePath_; }
    bool running() const { return pid_ > 0; }

    // Sends `signal` to the running child (SIGUSR1, SIGUSR2: faults on the line);
    // false when there is no child.
    bool sendSignal(int signal);
    // Sends `signal` and waits for the exit. The exit status, or the negative
    // signal number when a signal ended it; nothing when it had to be killed.
    std::optional<int> stop(int signal, std::chrono::milliseconds deadline);
    // Waits for the child to end by itself, with the same result as stop().
    std::optional<int> waitExit(std::chrono::milliseconds deadline);

private:
    void closeOutput();

    pid_t pid_ = -1;
    int output_ = -1;  // read end of the child's standard output
    std::string slavePath_;
};

}  // namespace vardeck::sim
