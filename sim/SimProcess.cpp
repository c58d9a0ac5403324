#include "sim/SimProcess.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace vardeck::sim {

namespace {

using Clock = std::chrono::steady_clock;

int millisecondsLeft(Clock::time_point until) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

int decodeStatus(int status) {
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return -WTERMSIG(status);
    return -1;
}

}  // namespace

SimProcess::~SimProcess() {
    if (running()) stop(SIGTERM, std::chrono::milliseconds(5000));
    closeOutput();
}

void SimProcess::closeOutput() {
    if (output_ >= 0) ::close(output_);
    output_ = -1;
}

bool SimProcess::start(const std::string& program, const std::vector<std::string>& args,
                       std::chrono::milliseconds deadline, std::string& error) {
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) {
        error = std::string("pipe2: ") + std::strerror(errno);
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);

    std::vector<std::string> argStrings{program};
    argStrings.insert(argStrings.end(), args.begin(), args.end());
    // A harness that dies never leaves its simulator behind.
    argStrings.push_back("--exit-with-parent");
    std::vector<char*> argv;
    for (std::string& a : argStrings) argv.push_back(a.data());
    argv.push_back(nullptr);

    const int rc = posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    output_ = pipeFds[0];
    if (rc != 0) {
        pid_ = -1;
        closeOutput();
        error = "cannot start " + program + ": " + std::strerror(rc);
        return false;
    }

    // The first line is the terminal path; read byte by byte so nothing after it is consumed.
    const auto until = Clock::now() + deadline;
    std::string line;
    for (;;) {
        pollfd pfd{output_, POLLIN, 0};
        const int ready = poll(&pfd, 1, millisecondsLeft(until));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) {
            error = "no terminal path from " + program + " in time";
            return false;
        }
        char c;
        const ssize_t n = ::read(output_, &c, 1);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            error = program + " ended before printing its terminal path";
            return false;
        }
        if (c == '\n') break;
        line += c;
    }
    slavePath_ = line;
    return true;
}

std::optional<int> SimProcess::waitExit(std::chrono::milliseconds deadline) {
    if (!running()) return std::nullopt;
    // The child's end of the output pipe closes when it exits: wait for that.
    const auto until = Clock::now() + deadline;
    while (output_ >= 0) {
        pollfd pfd{output_, POLLIN, 0};
        const int ready = poll(&pfd, 1, millisecondsLeft(until));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) break;  // deadline
        char discard[256];
        const ssize_t n = ::read(output_, discard, sizeof discard);
        if (n == 0 || (n < 0 && errno != EINTR)) closeOutput();
    }
    int status = 0;
    pid_t done = waitpid(pid_, &status, output_ < 0 ? 0 : WNOHANG);
    if (done != pid_) {
        ::kill(pid_, SIGKILL);
        waitpid(pid_, &status, 0);
        pid_ = -1;
        closeOutput();
        return std::nullopt;
    }
    pid_ = -1;
    closeOutput();
    return decodeStatus(status);
}

bool SimProcess::sendSignal(int signal) { return running() && ::kill(pid_, signal) == 0; }

std::optional<int> SimProcess::stop(int signal, std::chrono::milliseconds deadline) {
    if (!running()) return std::nullopt;
    ::kill(pid_, signal);
    return waitExit(deadline);
}

}  // namespace vardeck::sim
