// Round-trip time of a six-byte command and its six-byte reply against vardeck-sim
// over a pseudo-terminal: once through TAsynComm32 with the event-loop dispatcher,
// once with a bare termios write/poll/read loop on the same terminal. The ratio
// is what the channel's reader thread and its hand-over to the owner's thread cost.
#include "bench/Bench.h"
#include "serial/AsynComm32.h"
#include "serial/EventLoop.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

extern char** environ;

namespace vardeck::bench {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int kExchanges = 2000;
constexpr int kBlocks = 20;  // see runSerialBench
constexpr int kWarmUp = 50;
constexpr uint8_t kIdentify[6] = {0x00, 0x00, 0xFF, 0x00, 0x01, 0xFE};

// vardeck-sim as a child process, playing a Z-4 module (type code 71).
class SimChild {
public:
    bool start(std::string& error) {
        int out[2];
        if (::pipe2(out, O_CLOEXEC) != 0) return fail(error, "pipe");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        const char* argv[] = {VARDECK_SIM_PATH, "--device", "71", nullptr};
        int rc = ::posix_spawn(&pid_, VARDECK_SIM_PATH, &actions, nullptr, const_cast<char**>(argv), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        stdout_ = out[0];
        if (rc != 0) {
            pid_ = -1;
            error = std::string("cannot start ") + VARDECK_SIM_PATH;
            return false;
        }
        // The first line is the terminal's path.
        auto until = Clock::now() + 10s;
        char c;
        while (Clock::now() < until) {
            pollfd p{stdout_, POLLIN, 0};
            if (::poll(&p, 1, 100) <= 0) continue;
            if (::read(stdout_, &c, 1) != 1) break;
            if (c == '\n') return !path_.empty();
            path_ += c;
        }
        error = "vardeck-sim printed no terminal path";
        return false;
    }
    ~SimChild() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
        if (stdout_ >= 0) ::close(stdout_);
    }
    const std::string& path() const { return path_; }

private:
    static bool fail(std::string& error, const char* what) {
        error = what;
        return false;
    }
    pid_t pid_ = -1;
    int stdout_ = -1;
    std::string path_;
};

bool validReply(const std::vector<uint8_t>& r) {
    if (r.size() != 6) return false;
    int sum = r[0] + r[1] + r[2] + r[3];
    uint8_t check = static_cast<uint8_t>(sum - 1);
    return r[5] == check && r[4] == static_cast<uint8_t>(255 - check);
}

double micros(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// The same exchange with nothing but the terminal: write, poll, read.
class BareClient {
public:
    explicit BareClient(const std::string& path) {
        fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (fd_ < 0) return;
        termios t{};
        ::tcgetattr(fd_, &t);
        ::cfmakeraw(&t);
        ::cfsetspeed(&t, B9600);
        ::tcsetattr(fd_, TCSANOW, &t);
    }
    ~BareClient() {
        if (fd_ >= 0) ::close(fd_);
    }
    bool ok() const { return fd_ >= 0; }
    bool exchange(double& us) {
        std::vector<uint8_t> reply;
        auto t0 = Clock::now();
        if (::write(fd_, kIdentify, 6) != 6) return false;
        while (reply.size() < 6) {
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, 2000) != 1) return false;
            uint8_t buf[256];
            ssize_t n = ::read(fd_, buf, sizeof buf);
            if (n > 0) reply.insert(reply.end(), buf, buf + n);
        }
        us = micros(Clock::now() - t0);
        return validReply(reply);
    }

private:
    int fd_ = -1;
};

// The channel used the way the device screens use it: the receive notification
// collects the reply and, once it is complete, sends the next command at once.
class ChannelRun {
public:
    explicit ChannelRun(const std::string& path) : channel_(loop_) {
        channel_.SetDeviceName(path);
        channel_.OnRxChar = [this](CommChannel& ch, int waiting) { received(ch, waiting); };
        channel_.Open();
    }
    bool ok() const { return channel_.IsOpen(); }

    // Runs `count` exchanges back to back, adding their times to `times`.
    bool run(int count, std::vector<double>& times) {
        left_ = count;
        times_ = &times;
        failed_ = false;
        send();
        return loop_.runUntil([this] { return left_ == 0; }, 60s) && !failed_;
    }

private:
    void send() {
        reply_.clear();
        t0_ = Clock::now();
        channel_.Write(kIdentify, 6);
    }

    void received(CommChannel& ch, int waiting) {
        uint8_t buf[256];
        int n = ch.Read(buf, std::min(waiting, static_cast<int>(sizeof buf)));
        reply_.insert(reply_.end(), buf, buf + n);
        if (reply_.size() < 6 || left_ == 0) return;
        times_->push_back(micros(Clock::now() - t0_));
        if (!validReply(reply_)) {
            failed_ = true;
            left_ = 0;
        } else if (--left_ > 0) {
            send();
        }
    }

    EventLoop loop_;
    TAsynComm32 channel_;
    std::vector<uint8_t> reply_;
    Clock::time_point t0_;
    std::vector<double>* times_ = nullptr;
    int left_ = 0;
    bool failed_ = false;
};

int runSerialBench(const BenchOptions&) {
    SimChild sim;
    std::string error;
    if (!sim.start(error)) {
        std::fprintf(stderr, "serial: %s\n", error.c_str());
        return 1;
    }
    // The two methods take turns in short blocks on the same terminal, so that
    // load from elsewhere on the machine (two shared cores) falls on both alike.
    std::vector<double> warm, channelTimes, bareTimes;
    for (int block = -1; block < kBlocks; ++block) {
        const int count = block < 0 ? kWarmUp : kExchanges / kBlocks;
        bool ok;
        {
            ChannelRun channel(sim.path());
            ok = channel.ok() && channel.run(count, block < 0 ? warm : channelTimes);
        }
        if (ok) {
            BareClient bare(sim.path());
            ok = bare.ok();
            for (int i = 0; ok && i < count; ++i) {
                double us = 0;
                ok = bare.exchange(us);
                (block < 0 ? warm : bareTimes).push_back(us);
            }
        }
        if (!ok) {
            std::fprintf(stderr, "serial: no valid reply from vardeck-sim on %s\n", sim.path().c_str());
            return 1;
        }
    }
    double channelMedian = median(channelTimes);
    double bareMedian = median(bareTimes);
    report("serial_roundtrip_channel_median", channelMedian, "us");
    report("serial_roundtrip_bare_median", bareMedian, "us");
    report("serial_roundtrip_ratio", bareMedian > 0 ? channelMedian / bareMedian : 0, "x");
    return 0;
}

BenchRegistrar registrar("serial", runSerialBench);

}  // namespace
}  // namespace vardeck::bench
