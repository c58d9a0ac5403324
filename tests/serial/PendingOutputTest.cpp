#include "serial/PendingOutput.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <vector>

namespace vardeck {
namespace {

// A non-blocking pipe stands in for a device whose output queue fills up.
struct Pipe {
    Pipe() {
        EXPECT_EQ(::pipe2(fds, O_NONBLOCK | O_CLOEXEC), 0);
        ::signal(SIGPIPE, SIG_IGN);  // a write to a closed pipe must fail, not end the test
    }
    ~Pipe() {
        for (int fd : fds)
            if (fd >= 0) ::close(fd);
    }
    size_t drain() {
        std::vector<uint8_t> sink(65536);
        size_t total = 0;
        ssize_t n;
        while ((n = ::read(fds[0], sink.data(), sink.size())) > 0) total += static_cast<size_t>(n);
        return total;
    }
    int fds[2] = {-1, -1};
};

TEST(PendingOutput, KeepsTheRestRefusesNewWritesAndFinishesInTheBackground) {
    Pipe pipe;
    PendingOutput out;
    std::vector<uint8_t> big(1 << 20, 0x55);
    int taken = -1;
    ASSERT_EQ(out.start(pipe.fds[1], big.data(), static_cast<int>(big.size()), taken), PendingOutput::Start::Queued);
    EXPECT_LT(taken, static_cast<int>(big.size()));
    EXPECT_TRUE(out.busy());

    uint8_t small[3] = {1, 2, 3};
    EXPECT_EQ(out.start(pipe.fds[1], small, 3, taken), PendingOutput::Start::Busy);
    EXPECT_EQ(taken, 0);

    size_t received = static_cast<size_t>(0);
    int error = 0;
    PendingOutput::Resume r = PendingOutput::Resume::Pending;
    while (r == PendingOutput::Resume::Pending) {
        received += pipe.drain();
        r = out.resume(pipe.fds[1], error);
    }
    ASSERT_EQ(r, PendingOutput::Resume::Finished);
    received += pipe.drain();
    EXPECT_EQ(received, big.size());  // the refused write added nothing
    EXPECT_FALSE(out.busy());
    EXPECT_EQ(out.start(pipe.fds[1], small, 3, taken), PendingOutput::Start::Sent);
    EXPECT_EQ(taken, 3);
}

TEST(PendingOutput, AFailedBackgroundWriteDoesNotBlockLaterWrites) {
    Pipe pipe;
    PendingOutput out;
    std::vector<uint8_t> big(1 << 20, 0xAA);
    int taken = 0;
    ASSERT_EQ(out.start(pipe.fds[1], big.data(), static_cast<int>(big.size()), taken), PendingOutput::Start::Queued);
    ::close(pipe.fds[0]);  // the far end goes away: the rest cannot be written
    pipe.fds[0] = -1;
    int error = 0;
    EXPECT_EQ(out.resume(pipe.fds[1], error), PendingOutput::Resume::Failed);
    EXPECT_EQ(error, EPIPE);
    EXPECT_FALSE(out.busy());

    // The next write is tried, not dropped as "still in progress".
    Pipe fresh;
    uint8_t small[2] = {7, 8};
    EXPECT_EQ(out.start(fresh.fds[1], small, 2, taken), PendingOutput::Start::Sent);
    EXPECT_EQ(out.start(pipe.fds[1], small, 2, taken), PendingOutput::Start::Failed);
    EXPECT_FALSE(out.busy());
}

}  // namespace
}  // namespace vardeck
