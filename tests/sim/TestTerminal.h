#pragma once
// The program's end of a simulated line for the pty tests: vardeck-sim started
// as a child, and the terminal's slave side opened like a serial port. Every
// wait has a deadline; nothing sleeps.
#include "sim/DeviceModel.h"
#include "sim/SimProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace vardeck::sim::testfiles {

inline constexpr std::chrono::milliseconds kDeadline{5000};

// Starts vardeck-sim with `args`; use inside ASSERT_NO_FATAL_FAILURE.
inline void startSimulator(SimProcess& sim, const std::vector<std::string>& args) {
    std::string error;
    ASSERT_TRUE(sim.start(VARDECK_SIM_PATH, args, kDeadline, error)) << error;
    ASSERT_FALSE(sim.slavePath().empty());
}

class Terminal {
public:
    explicit Terminal(const std::string& path, speed_t speed = B9600) {
        fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (fd_ < 0) return;
        termios tio{};
        tcgetattr(fd_, &tio);
        cfmakeraw(&tio);
        cfsetispeed(&tio, speed);
        cfsetospeed(&tio, speed);
        tcsetattr(fd_, TCSANOW, &tio);
    }
    ~Terminal() { close(); }
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;

    void close() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }
    bool isOpen() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    bool write(const Bytes& bytes) {
        return ::write(fd_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    }
    // Reads until `count` bytes came or the deadline passed.
    Bytes read(std::size_t count, std::chrono::milliseconds deadline = kDeadline) {
        using Clock = std::chrono::steady_clock;
        Bytes got;
        const auto until = Clock::now() + deadline;
        while (got.size() < count) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()).count();
            if (left <= 0) break;
            pollfd pfd{fd_, POLLIN, 0};
            if (poll(&pfd, 1, static_cast<int>(left)) <= 0) continue;
            uint8_t buffer[512];
            const ssize_t n = ::read(fd_, buffer, std::min(sizeof buffer, count - got.size()));
            if (n > 0) got.insert(got.end(), buffer, buffer + n);
        }
        return got;
    }

private:
    int fd_ = -1;
};

}  // namespace vardeck::sim::testfiles
