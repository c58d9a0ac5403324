#include "ChannelTestSupport.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>

namespace vardeck {
namespace {

using namespace test;

TEST(ChannelData, ReceiveNotificationsCountTheWaitingBytes) {
    EventLoop loop;
    ChannelOnPty c(loop);
    std::vector<uint8_t> got;
    int notifications = 0;
    c.channel.OnRxChar = [&](CommChannel& ch, int count) {
        ++notifications;
        std::vector<uint8_t> buf(static_cast<size_t>(count) + 8);
        int n = ch.Read(buf.data(), count);
        EXPECT_EQ(n, count);  // everything the count announced is there
        got.insert(got.end(), buf.begin(), buf.begin() + n);
    };
    c.channel.Open();
    ASSERT_TRUE(c.channel.IsOpen());

    std::vector<uint8_t> sent(3000);
    std::iota(sent.begin(), sent.end(), uint8_t{0});
    c.pty.send(sent);
    ASSERT_TRUE(loop.runUntil([&] { return got.size() >= sent.size(); }, 10s));
    EXPECT_EQ(got, sent);
    EXPECT_GE(notifications, 1);
}

TEST(ChannelData, CountIsZeroWhenTheBytesWereReadBeforeTheNotification) {
    EventLoop loop;
    CountingDispatcher dispatcher(loop);
    ChannelOnPty c(dispatcher);
    std::vector<int> counts;
    int readOfZero = -1;
    c.channel.OnRxChar = [&](CommChannel& ch, int count) {
        counts.push_back(count);
        uint8_t buf[16];
        if (counts.size() == 1) readOfZero = ch.Read(buf, 0);
        else ch.Read(buf, count);
    };
    c.channel.Open();
    ASSERT_TRUE(c.channel.IsOpen());

    c.pty.send({1, 2, 3, 4, 5});
    ASSERT_TRUE(waitFor([&] { return dispatcher.posted() >= 1; }));
    // The notification is queued; the user-interface thread reads everything first.
    std::vector<uint8_t> early;
    ASSERT_TRUE(waitFor([&] {
        uint8_t buf[16];
        int n = c.channel.Read(buf, sizeof buf);
        early.insert(early.end(), buf, buf + n);
        return early.size() >= 5;
    }));
    EXPECT_EQ(early, (std::vector<uint8_t>{1, 2, 3, 4, 5}));
    ASSERT_TRUE(loop.runUntil([&] { return !counts.empty(); }, 10s));
    EXPECT_EQ(counts[0], 0);
    EXPECT_EQ(readOfZero, 0);

    // Read(…, 0) took nothing: the next byte is the next one announced.
    c.pty.send({6});
    ASSERT_TRUE(loop.runUntil([&] { return counts.size() >= 2; }, 10s));
    EXPECT_EQ(counts[1], 1);
}

TEST(ChannelData, NotificationsFollowTheFixedOrderAndTheMonitoredEvents) {
    EventLoop loop;
    ChannelOnPty c(loop);
    std::string calls;
    c.channel.OnRxChar = [&](CommChannel& ch, int count) {
        calls += "rx ";
        uint8_t buf[64];
        ch.Read(buf, count);
    };
    c.channel.OnRxFlag = [&](CommChannel&) { calls += "flag "; };
    c.channel.Open();
    c.pty.send({0x00});  // the event character
    ASSERT_TRUE(loop.runUntil([&] { return calls.find("flag") != std::string::npos; }, 10s));
    EXPECT_EQ(calls, "rx flag ");

    calls.clear();
    c.channel.SetMonitorEvents({evRxChar});
    c.channel.Open();
    c.pty.send({0x00, 0x01});
    ASSERT_TRUE(loop.runUntil([&] { return !calls.empty(); }, 10s));
    loop.processPending();
    EXPECT_EQ(calls.find("flag"), std::string::npos);
}

TEST(ChannelData, WriteSendsAtOnceAndASecondWriteWhileOneIsPendingIsDropped) {
    EventLoop loop;
    ChannelOnPty c(loop);
    int txEmpty = 0;
    c.channel.OnTxEmpty = [&](CommChannel&) { ++txEmpty; };
    c.channel.Open();
    ASSERT_TRUE(c.channel.IsOpen());

    const uint8_t frame[6] = {0x00, 0x00, 0xFF, 0x00, 0x01, 0xFE};
    EXPECT_EQ(c.channel.Write(frame, 6), 6);
    EXPECT_EQ(c.pty.receive(6), std::vector<uint8_t>(frame, frame + 6));

    // The device side reads nothing: far more than the pseudo-terminal holds stays pending.
    std::vector<uint8_t> big(1 << 20);
    for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<uint8_t>(i * 7);
    EXPECT_EQ(c.channel.Write(big.data(), static_cast<int>(big.size())), 0);
    const uint8_t dropped[4] = {0xDE, 0xAD, 0xBE, 0xEF};
    EXPECT_EQ(c.channel.Write(dropped, 4), 0);

    EXPECT_EQ(c.pty.receive(big.size()), big);
    ASSERT_TRUE(loop.runUntil([&] { return txEmpty == 1; }, 10s));
    const uint8_t next[3] = {'X', 'Y', 'Z'};
    EXPECT_EQ(c.channel.Write(next, 3), 3);
    // What comes next on the line is the third write: the second was never sent.
    EXPECT_EQ(c.pty.receive(3), std::vector<uint8_t>(next, next + 3));
}

TEST(ChannelData, NullStripDropsZeroBytes) {
    EventLoop loop;
    ChannelOnPty c(loop);
    std::vector<uint8_t> got;
    c.channel.OnRxChar = [&](CommChannel& ch, int count) {
        std::vector<uint8_t> buf(static_cast<size_t>(count));
        int n = ch.Read(buf.data(), count);
        got.insert(got.end(), buf.begin(), buf.begin() + n);
    };
    c.channel.Open();
    c.channel.SetOptions({osNullStrip});
    c.pty.send({0, 1, 0, 2, 0, 3});
    ASSERT_TRUE(loop.runUntil([&] { return got.size() >= 3; }, 10s));
    EXPECT_EQ(got, (std::vector<uint8_t>{1, 2, 3}));
}

}  // namespace
}  // namespace vardeck
