#include "ChannelTestSupport.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <thread>

namespace vardeck {
namespace {

using namespace test;

// Reads whatever a notification announces.
void drain(CommChannel& ch, int count, size_t& total) {
    std::vector<uint8_t> buf(static_cast<size_t>(count) + 1);
    total += static_cast<size_t>(ch.Read(buf.data(), count));
}

// Writes to the master side until stopped, as a device that never stops talking.
class Streamer {
public:
    explicit Streamer(int master)
        : thread_([this, master] {
              uint8_t chunk[256];
              for (size_t i = 0; i < sizeof chunk; ++i) chunk[i] = static_cast<uint8_t>(i);
              while (!stop_.load()) {
                  if (::write(master, chunk, sizeof chunk) < 0 && errno == EAGAIN) {
                      pollfd p{master, POLLOUT, 0};
                      ::poll(&p, 1, 5);
                  }
              }
          }) {}
    ~Streamer() { stopNow(); }
    void stopNow() {
        stop_.store(true);
        if (thread_.joinable()) thread_.join();
    }

private:
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

TEST(ChannelLifecycle, APeerThatGoesAwayMidStreamIsReportedOnceAndTheThreadEnds) {
    EventLoop loop;
    ChannelOnPty c(loop);
    size_t received = 0;
    std::vector<int> errors;
    c.channel.OnRxChar = [&](CommChannel& ch, int count) { drain(ch, count, received); };
    c.channel.OnError = [&](CommChannel&, int e) { errors.push_back(e); };
    c.channel.Open();
    ASSERT_TRUE(c.channel.IsOpen());

    // The peer owns the only master descriptor: it sends while the channel reads,
    // then goes away in the middle of the traffic (a pulled cable or USB adapter).
    int peerFd = ::dup(c.pty.master());
    c.pty.closeMaster();
    std::thread peer([peerFd] {
        std::vector<uint8_t> chunk(4096, 0x5A);
        for (int i = 0; i < 50; ++i) {
            if (::write(peerFd, chunk.data(), chunk.size()) < 0 && errno == EAGAIN) {
                pollfd p{peerFd, POLLOUT, 0};
                ::poll(&p, 1, 100);
            }
        }
        ::close(peerFd);
    });
    bool reported = loop.runUntil([&] { return !errors.empty(); }, 10s);
    peer.join();
    ASSERT_TRUE(reported);
    EXPECT_LT(errors[0], 0);  // -errno: the device is gone
    EXPECT_GT(received, 0u);
    // The reader thread has ended instead of spinning on the hang-up; nothing more comes.
    EXPECT_TRUE(waitFor([] { return TC32Thread::RunningCount() == 0; }));
    loop.processPending();
    EXPECT_EQ(errors.size(), 1u);

    uint8_t frame[6] = {0, 0, 0xFF, 0, 1, 0xFE};
    EXPECT_EQ(c.channel.Write(frame, 6), 0);
    EXPECT_TRUE(c.channel.IsOpen());  // until its owner closes it
    c.channel.Close();
    EXPECT_FALSE(c.channel.IsOpen());
}

TEST(ChannelLifecycle, ANotificationMayCloseOrReopenItsChannel) {
    EventLoop loop;
    ChannelOnPty c(loop);
    int rx = 0;
    c.channel.OnRxChar = [&](CommChannel& ch, int) {
        ++rx;
        ch.Close();  // the reader thread is waiting for this very notification
    };
    int flags = 0;
    c.channel.OnRxFlag = [&](CommChannel&) { ++flags; };
    c.channel.Open();
    c.pty.send({0x00});
    ASSERT_TRUE(loop.runUntil([&] { return rx == 1; }, 10s));
    EXPECT_FALSE(c.channel.IsOpen());
    EXPECT_EQ(TC32Thread::RunningCount(), 0);
    EXPECT_EQ(flags, 0);  // the rest of a closed channel's event is not delivered

    rx = 0;
    c.channel.OnRxChar = [&](CommChannel& ch, int) {
        if (++rx == 1) ch.Open();
    };
    c.channel.Open();
    c.pty.send({0x01});
    ASSERT_TRUE(loop.runUntil([&] { return rx == 1; }, 10s));
    EXPECT_TRUE(c.channel.IsOpen());
    EXPECT_EQ(TC32Thread::RunningCount(), 1);
    c.pty.send({0x02});
    EXPECT_TRUE(loop.runUntil([&] { return rx == 2; }, 10s));  // the new reader thread works
}

TEST(ChannelLifecycle, AHandOverStillQueuedAtCloseOrDestructionIsHarmless) {
    EventLoop loop;
    CountingDispatcher dispatcher(loop);
    int rx = 0;
    {
        ChannelOnPty c(dispatcher);
        c.channel.OnRxChar = [&](CommChannel&, int) { ++rx; };
        c.channel.Open();
        c.pty.send({1});
        ASSERT_TRUE(waitFor([&] { return dispatcher.posted() == 1; }));
        c.channel.Close();  // does not wait for the queued hand-over
        EXPECT_EQ(TC32Thread::RunningCount(), 0);
        loop.processPending();
        EXPECT_EQ(rx, 0);

        c.channel.Open();
        c.pty.send({2});
        ASSERT_TRUE(waitFor([&] { return dispatcher.posted() == 2; }));
    }  // destroyed with its hand-over queued
    EXPECT_EQ(TC32Thread::RunningCount(), 0);
    loop.processPending();
    EXPECT_EQ(rx, 0);
}

TEST(ChannelLifecycle, OpenAndCloseAThousandTimesWhileThePeerStreams) {
    EventLoop loop;
    ChannelOnPty c(loop);
    size_t received = 0;
    c.channel.OnRxChar = [&](CommChannel& ch, int count) { drain(ch, count, received); };
    int failedOpens = 0;
    c.channel.OnOpen = [&](CommChannel&, int, int error) { failedOpens += error != 0; };
    Streamer streamer(c.pty.master());

    int threadsLeft = 0;
    for (int i = 0; i < 1000; ++i) {
        c.channel.Open();
        // Serve hand-overs on some rounds; on the others Close meets one pending.
        if (i % 3 == 0) loop.processPending();
        if (i % 10 == 0) loop.runUntil([&] { return received > 0; }, 5ms);
        c.channel.Close();
        threadsLeft += TC32Thread::RunningCount();
    }
    streamer.stopNow();
    loop.processPending();
    EXPECT_EQ(failedOpens, 0);
    EXPECT_EQ(threadsLeft, 0);
    EXPECT_GT(received, 0u);
}

}  // namespace
}  // namespace vardeck
