#include <gtest/gtest.h>

#include <numeric>

#include "tests/z4link/FakeChannel.h"
#include "z4link/Frame.h"
#include "z4link/ReceiveBuffer.h"
#include "z4link/ReplyChecks.h"
#include "z4link/SixByteCollector.h"
#include "z4link/Z4Link.h"

namespace vardeck {
namespace {

using Bytes = std::vector<uint8_t>;

class Z4LinkTest : public ::testing::Test {
protected:
    Z4LinkTest() {
        channel.OnRxChar = [this](CommChannel&, int count) { link.onRxChar(count); };
        channel.Open();
    }
    const Bytes& lastWrite() const { return channel.writes.back(); }

    testing::FakeChannel channel;
    Z4Link link{channel};
};

TEST_F(Z4LinkTest, ByteReadUsesReadSelector) {
    link.sendByteRead(0x00FE);
    EXPECT_EQ(lastWrite(), (Bytes{0x00, 0x00, 0xFE, 0x00, 0x02, 0xFD}));
    link.setReadSelector(2);
    link.sendByteRead(0x1234);
    EXPECT_EQ(lastWrite(), (Bytes{0x12, 0x02, 0x34, 0x00, 0xB8, 0x47}));
}

TEST_F(Z4LinkTest, NamedFramesMatchTheCommandTable) {
    link.sendByteWrite(0x50, 3);
    EXPECT_EQ(lastWrite(), (Bytes{0x00, 0x01, 0x50, 0x03, 0xAC, 0x53}));
    link.sendRestart();
    EXPECT_EQ(lastWrite(), (Bytes{0x00, 0xFF, 0xAA, 0x00, 0x57, 0xA8}));
    link.sendUploadAnnounce(0x0FE0);
    EXPECT_EQ(lastWrite(), (Bytes{0x00, 0xFA, 0x0F, 0xE0, 0x17, 0xE8}));
    link.sendLifeSignalTest();
    EXPECT_EQ(lastWrite(), (Bytes{0x02, 0x04, 0x10, 0x01, 0xE9, 0x16}));

    struct Case { void (Z4Link::*send)(); Bytes payload; };
    const Case cases[] = {
        {&Z4Link::sendIdentify, {0x00, 0xF8, 0x00, 0x00}},
        {&Z4Link::sendStartFpga, {0x00, 0xF9, 0xBB, 0x00}},
        {&Z4Link::sendMonitorMode, {0x00, 0xFB, 0x01, 0x00}},
        {&Z4Link::sendLeaveMode, {0x00, 0xFB, 0x00, 0x00}},
        {&Z4Link::sendClosingFrame, {0x02, 0x02, 0x00, 0x00}},
    };
    for (const Case& c : cases) {
        (link.*c.send)();
        ASSERT_EQ(lastWrite().size(), 6u);
        EXPECT_TRUE(std::equal(c.payload.begin(), c.payload.end(), lastWrite().begin()));
        EXPECT_TRUE(frameIsValid(lastWrite().data()));
    }
    link.sendGsmModemMode(0x5A);
    EXPECT_EQ(Bytes(lastWrite().begin(), lastWrite().begin() + 4), (Bytes{0x00, 0xFD, 0x00, 0x5A}));
    link.sendSmallBlockRead(200);
    EXPECT_EQ(Bytes(lastWrite().begin(), lastWrite().begin() + 4), (Bytes{0x00, 0x40, 200, 0x00}));
    link.sendRecordRead(128 + 3);
    EXPECT_EQ(Bytes(lastWrite().begin(), lastWrite().begin() + 4), (Bytes{0x00, 0x40, 0x00, 131}));
    link.sendLargeBlockRead(48);
    EXPECT_EQ(Bytes(lastWrite().begin(), lastWrite().begin() + 4), (Bytes{0x00, 0xF7, 48, 0x00}));
    link.sendEventRecordRead(0x0102);
    EXPECT_EQ(Bytes(lastWrite().begin(), lastWrite().begin() + 4), (Bytes{0x00, 0x08, 0x02, 0x01}));
}

TEST_F(Z4LinkTest, ClockFrameCarriesTwelveDigits) {
    link.sendClock({2024, 3, 9, 17, 5, 59});
    const Bytes& w = lastWrite();
    ASSERT_EQ(w.size(), 18u);
    EXPECT_EQ(Bytes(w.begin(), w.begin() + 6), (Bytes{0x00, 0xFC, 0x00, 0x00, 0x04, 0xFB}));
    EXPECT_EQ(std::string(w.begin() + 6, w.end()), "240309170559");
}

TEST_F(Z4LinkTest, SmallBlockWriteIs39BytesWithTrailingDataSum) {
    std::array<uint8_t, 32> data;
    std::iota(data.begin(), data.end(), uint8_t{10});  // 10..41, sum 816 = 0x330
    link.sendSmallBlockWrite(40, data.data());
    const Bytes& w = lastWrite();
    ASSERT_EQ(w.size(), 39u);
    EXPECT_EQ(Bytes(w.begin(), w.begin() + 6), (Bytes{0x00, 0x80, 40, 0x00, 0x58, 0xA7}));
    EXPECT_TRUE(std::equal(data.begin(), data.end(), w.begin() + 6));
    EXPECT_EQ(w[38], 0x30);
}

TEST_F(Z4LinkTest, LargeBlockWriteCarriesDataSumAsP0BeforeTheFrameSum) {
    std::array<uint8_t, 256> data{};
    data[0] = 0x80;
    data[1] = 0x81;  // data sum 0x101 -> 0x01
    link.sendLargeBlockWrite(16 * 3, data.data());
    const Bytes& w = lastWrite();
    ASSERT_EQ(w.size(), 262u);
    EXPECT_EQ(w[0], 0x01);
    EXPECT_EQ(Bytes(w.begin(), w.begin() + 4), (Bytes{0x01, 0xF6, 0x00, 0x30}));
    EXPECT_TRUE(frameIsValid(w.data()));
    EXPECT_TRUE(std::equal(data.begin(), data.end(), w.begin() + 6));
}

TEST_F(Z4LinkTest, BlockFrameOfAnotherSizeSendsNothing) {
    std::array<uint8_t, 64> data{};
    link.sendBlockFrame(0, 0x80, 1, 0, data.data(), 64);
    EXPECT_TRUE(channel.writes.empty());
}

TEST_F(Z4LinkTest, FramesResetButRawBlocksKeepTheReceiveBuffer) {
    channel.deliver({1, 2, 3});
    ASSERT_EQ(link.rx().fill(), 3);
    std::array<uint8_t, 256> raw{};
    raw[255] = 0x77;
    link.sendRawBlock(raw.data());
    EXPECT_EQ(lastWrite().size(), 256u);
    EXPECT_EQ(lastWrite()[255], 0x77);
    EXPECT_EQ(link.rx().fill(), 3);

    link.sendAtLine("AT\r");
    EXPECT_EQ(lastWrite(), (Bytes{'A', 'T', '\r'}));
    EXPECT_EQ(link.rx().fill(), 0);
    // Reset keeps the old bytes; only clearing fills with 0xFF.
    EXPECT_EQ(link.rx().at(0), 1);
    link.clearReceive();
    EXPECT_EQ(link.rx().at(0), 0xFF);
    EXPECT_EQ(link.rx().at(255), 0xFF);
}

TEST_F(Z4LinkTest, ReplySplitOverNotificationsIsAssembled) {
    link.sendByteRead(0x00FE);
    channel.deliver({0xAB, 0x00});
    channel.deliver({0xFE, 0x26, 0x31});
    EXPECT_FALSE(link.validateReplyFrame());
    channel.deliver({0xCE});
    EXPECT_TRUE(link.validateReplyFrame());
    EXPECT_TRUE(replyAcknowledges(link.rx(), 0xFE));
    EXPECT_FALSE(replyAcknowledges(link.rx(), 0xFD));
}

TEST_F(Z4LinkTest, ValidChecksumWithoutMarkerIsNotAnAcknowledgement) {
    channel.deliver({0x0B, 0x00, 0xFE, 0x26, 0xD1, 0x2E});
    EXPECT_TRUE(link.validateReplyFrame());
    EXPECT_FALSE(replyAcknowledges(link.rx(), 0xFE));
}

TEST_F(Z4LinkTest, BadChecksumResetsWithoutClearing) {
    channel.deliver({0xAB, 0x00, 0xFE, 0x26, 0x31, 0xCF});
    EXPECT_FALSE(link.validateReplyFrame());
    EXPECT_EQ(link.rx().fill(), 0);
    EXPECT_EQ(link.rx().at(5), 0xCF);
    // Wrong complement with the right sum is rejected too.
    channel.deliver({0xAB, 0x00, 0xFE, 0x26, 0x30, 0xCE});
    EXPECT_FALSE(link.validateReplyFrame());
    EXPECT_EQ(link.rx().fill(), 0);
}

TEST_F(Z4LinkTest, OverflowDropsTheExcessAndDrainsTheChannel) {
    Bytes big(4990, 0x11);
    channel.deliver(big);
    EXPECT_EQ(link.rx().fill(), 4990);
    Bytes more(30, 0x22);
    channel.deliver(more);
    EXPECT_EQ(link.rx().fill(), ReceiveBuffer::kCapacity);
    EXPECT_EQ(link.rx().at(4999), 0x22);
    EXPECT_EQ(link.rx().at(5000), 0xFF);  // outside: never read past the buffer
    EXPECT_EQ(channel.waiting(), 0);
    channel.deliver({0x33});
    EXPECT_EQ(link.rx().fill(), ReceiveBuffer::kCapacity);
    EXPECT_EQ(channel.waiting(), 0);
}

// Bytes the caller holds follow the same rule at the last free position: exactly the
// room is stored, never a byte more.
TEST(ReceiveBuffer, AppendStopsAtTheLastByteOfItsRoom) {
    ReceiveBuffer rx;
    const std::vector<uint8_t> almostFull(ReceiveBuffer::kCapacity - 1, 0x11);
    EXPECT_EQ(rx.append(almostFull.data(), static_cast<int>(almostFull.size())), ReceiveBuffer::kCapacity - 1);
    const uint8_t two[] = {0x22, 0x33};
    EXPECT_EQ(rx.append(two, 2), 1);
    EXPECT_EQ(rx.fill(), ReceiveBuffer::kCapacity);
    EXPECT_EQ(rx.at(ReceiveBuffer::kCapacity - 1), 0x22);
    EXPECT_EQ(rx.append(two, 1), 0);
    EXPECT_EQ(rx.fill(), ReceiveBuffer::kCapacity);
}

TEST_F(Z4LinkTest, NotificationCountingMoreThanTheChannelHasStoresOnlyRealBytes) {
    channel.deliver({1, 2});
    link.resetReceive();
    link.onRxChar(40);  // stale or inflated count: nothing is waiting
    EXPECT_EQ(link.rx().fill(), 0);
    link.onRxChar(-3);
    EXPECT_EQ(link.rx().fill(), 0);
}

}  // namespace
}  // namespace vardeck

namespace vardeck {
namespace {

TEST(SixByteCollector, ASixthByteCompletesTheReplyASeventhDropsIt) {
    testing::FakeChannel channel;
    SixByteCollector reply;
    bool complete = false;
    channel.OnRxChar = [&](CommChannel& c, int count) { complete = reply.collect(c, count); };
    channel.deliver({1, 2, 3, 4, 5});
    channel.deliver({6});
    EXPECT_TRUE(complete);
    EXPECT_EQ(reply.fill(), 6);
    reply.restart();
    channel.deliver({1, 2, 3, 4, 5});
    channel.deliver({6, 7});
    EXPECT_FALSE(complete);
    EXPECT_EQ(reply.fill(), 0);
}

TEST(SixByteCollector, LongBurstIsDrainedAndDropsWhatWasCollected) {
    testing::FakeChannel channel;
    SixByteCollector reply;
    channel.OnRxChar = [&](CommChannel& c, int count) { reply.collect(c, count); };
    channel.deliver({0xAB, 0x00, 0xFF});
    EXPECT_EQ(reply.fill(), 3);
    channel.deliver(std::vector<uint8_t>(300, 0x55));
    EXPECT_EQ(reply.fill(), 0);
    EXPECT_EQ(channel.waiting(), 0);
    EXPECT_FALSE(reply.collect(channel, 0));
    reply.reset();
    EXPECT_EQ(reply[5], 0xFF);
}

}  // namespace
}  // namespace vardeck
