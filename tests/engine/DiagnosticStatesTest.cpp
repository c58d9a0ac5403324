// The diagnostic operations against a scripted line: status polling, leaving a mode,
// monitor mode, the event log and the signal-history walk.
#include <gtest/gtest.h>

#include <numeric>

#include "tests/engine/ScriptedLine.h"
#include "z4link/EventLogStates.h"
#include "z4link/Frame.h"
#include "z4link/LeaveModeStates.h"
#include "z4link/MonitorStates.h"
#include "z4link/SignalHistoryStates.h"
#include "z4link/StatusPollingStates.h"

namespace vardeck::testing {
namespace {

using Bytes = std::vector<uint8_t>;

// 64 bytes and their data sum, as the module answers a record read.
Bytes record65(const Bytes& samples) {
    Bytes r = samples;
    r.resize(64, 0xFF);
    r.push_back(dataSum(r.data(), 64));
    return r;
}

class Diagnostics : public ::testing::Test, protected ScriptedLine {
protected:
    void reply(uint8_t b0, uint8_t b1, uint8_t b2, uint8_t b3) { channel.deliver(frameBytes(b0, b1, b2, b3)); }
    const Bytes& lastWrite() const { return channel.writes.back(); }
    // Ticks until the engine has written something (at most `max` ticks).
    void tickUntilWrite(int max = 20) {
        const std::size_t before = channel.writes.size();
        for (int i = 0; i < max && channel.writes.size() == before; ++i) engine.tick();
        ASSERT_GT(channel.writes.size(), before);
    }

};

TEST_F(Diagnostics, StatusPollingReadsTheBlockWithTheStatusSelectorAndStartsAgainAfterTheCountdown) {
    StatusPollingStates polling(engine);
    std::vector<StatusBlock> cycles;
    polling.onCycle = [&](const StatusBlock& b, int length) {
        EXPECT_EQ(length, 16);
        cycles.push_back(b);
    };
    polling.start();
    tickUntilWrite();
    for (int i = 0; i < 16; ++i) {
        ASSERT_EQ(lastWrite(), frameBytes(0x02, 0x02, static_cast<uint8_t>(i), 0x00)) << i;
        if (i == 3) {
            // A reply echoing another address is not stored; the read goes out again.
            reply(0xAB, 0x02, 0x77, 0x55);
            channel.deliver({0x00});
            tickUntilWrite();
            ASSERT_EQ(lastWrite(), frameBytes(0x02, 0x02, 0x03, 0x00));
        }
        reply(0xAB, 0x02, static_cast<uint8_t>(i), static_cast<uint8_t>(100 + i));
    }
    ASSERT_EQ(cycles.size(), 1u);
    EXPECT_EQ(cycles[0][3], 103);
    EXPECT_EQ(cycles[0][15], 115);
    // No image byte was touched.
    EXPECT_EQ(std::accumulate(image.begin(), image.end(), 0), 0);
    const std::size_t writes = channel.writes.size();
    for (int i = 0; i < 5; ++i) engine.tick();
    EXPECT_EQ(channel.writes.size(), writes);
    engine.tick();
    EXPECT_EQ(lastWrite(), frameBytes(0x02, 0x02, 0x00, 0x00));

    polling.stop();
    EXPECT_EQ(engine.vars().state, z4state::kIdle);
    EXPECT_EQ(engine.link().readSelector(), 0);
}

TEST_F(Diagnostics, LeavingAModeSendsTheClosingFrameOnlyWhenAsked) {
    LeaveModeStates leave(engine);
    leave.start();
    tickUntilWrite();
    EXPECT_EQ(lastWrite(), frameBytes(0x00, 0xFB, 0x00, 0x00));
    // Monitor text still arriving before the answer: the first six bytes are no reply.
    channel.deliver({'G', 'S', 'M', ' ', 'O', 'K', '\r', '\n'});
    EXPECT_EQ(engine.vars().state, z4state::kLeaveMode);
    reply(0xAB, 0xAC, 0x00, 0x00);
    EXPECT_EQ(lastWrite(), frameBytes(0x02, 0x02, 0x00, 0x00));
    EXPECT_EQ(engine.vars().state, z4state::kIdle);

    leave.start();
    tickUntilWrite();
    const std::size_t writes = channel.writes.size();
    reply(0xAB, 0x02, 0x00, 0x00);
    EXPECT_EQ(channel.writes.size(), writes);
    EXPECT_EQ(engine.vars().state, z4state::kIdle);
}

TEST_F(Diagnostics, MonitorModeHandsOnEveryByteOnceConfirmed) {
    MonitorStates monitor(engine);
    std::string text;
    monitor.onText = [&](std::string_view bytes) { text += bytes; };
    monitor.start();
    tickUntilWrite();
    EXPECT_EQ(lastWrite(), frameBytes(0x00, 0xFB, 0x01, 0x00));
    reply(0xAB, 0xAC, 0x01, 0x00);
    EXPECT_TRUE(monitor.streaming());
    channel.deliver({'+', 'C', 'R', 'E', 'G'});
    channel.deliver({':', ' ', '1', '\r', '\n', 0xE9});
    EXPECT_EQ(text, "+CREG: 1\r\n\xE9");
    // Nothing is asked for while the text runs.
    const std::size_t writes = channel.writes.size();
    for (int i = 0; i < 20; ++i) engine.tick();
    EXPECT_EQ(channel.writes.size(), writes);
}

TEST_F(Diagnostics, EventLogAsksAgainForARecordWithAWrongSumOrLength) {
    EventLogStates log(engine);
    std::vector<EventLogEntry> entries;
    bool done = false;
    log.onRecord = [&](const EventLogEntry& e) { entries.push_back(e); };
    log.onDone = [&] { done = true; };
    log.start();
    tickUntilWrite();
    EXPECT_EQ(lastWrite(), frameBytes(0x00, 0x08, 0x01, 0x00));

    Bytes bad = record65({1, 0, '1', '2', '3', '4'});
    bad[64] ^= 1;
    channel.deliver(bad);
    EXPECT_TRUE(entries.empty());
    Bytes tooLong = record65({1});
    tooLong.push_back(0);
    channel.deliver(tooLong);
    EXPECT_TRUE(entries.empty());
    tickUntilWrite();
    EXPECT_EQ(lastWrite(), frameBytes(0x00, 0x08, 0x01, 0x00));

    for (int i = 1; i <= EventLogStates::kRecords; ++i) {
        ASSERT_EQ(lastWrite(), frameBytes(0x00, 0x08, static_cast<uint8_t>(i), 0x00));
        Bytes r(64, 0);
        r[0] = static_cast<uint8_t>(i);
        r[2] = '1';
        r[3] = '0';
        r[4] = '4';
        r[5] = static_cast<uint8_t>('0' + i);
        r[15] = 20;
        r[17] = 7;
        channel.deliver(record65(r));
    }
    ASSERT_TRUE(done);
    ASSERT_EQ(entries.size(), 9u);
    EXPECT_EQ(entries[0].sourceText, "1 Bemenet");
    EXPECT_EQ(entries[8].index, 9);
    EXPECT_EQ(entries[8].time, "10:49");
    EXPECT_EQ(engine.vars().state, z4state::kIdle);
}

class HistoryWalk : public Diagnostics {
protected:
    HistoryWalk() {
        history.onPoint = [this](int x, int y) { points.emplace_back(x, y); };
        history.onDone = [this] { done = true; };
    }
    void startAt(uint8_t position, uint8_t unit) {
        history.start();
        tickUntilWrite();
        EXPECT_EQ(lastWrite(), frameBytes(0x00, 0x00, 0x5A, 0x00));
        reply(0xAB, 0x00, 0x5A, position);
        EXPECT_EQ(lastWrite(), frameBytes(0x00, 0x00, 0x5B, 0x00));
        reply(0xAB, 0x00, 0x5B, unit);
    }

    SignalHistoryStates history{engine};
    std::vector<std::pair<int, int>> points;
    bool done = false;
};

TEST_F(HistoryWalk, OddUnitStartsInTheUpperHalfAndTheWalkWrapsToTheLastRecord) {
    startAt(1, 7);  // unit 7: record 6, position 1 + 32
    EXPECT_EQ(history.record(), 6);
    EXPECT_EQ(history.position(), 33);
    EXPECT_EQ(lastWrite(), frameBytes(0x00, 0x40, 0x00, 128 + 6));
    Bytes samples(64, 10);
    samples[33] = 30;
    channel.deliver(record65(samples));
    ASSERT_EQ(points.size(), 34u);
    EXPECT_EQ(points.front(), std::make_pair(0, 30));
    EXPECT_EQ(points.back(), std::make_pair(66, 10));
    // Records 4, 2, 0, then 126: a sample above 35 ends the history.
    for (int record : {4, 2, 0}) {
        ASSERT_EQ(lastWrite(), frameBytes(0x00, 0x40, 0x00, static_cast<uint8_t>(128 + record)));
        channel.deliver(record65(Bytes(64, 12)));
    }
    ASSERT_EQ(lastWrite(), frameBytes(0x00, 0x40, 0x00, 128 + 126));
    Bytes last(64, 5);
    last[60] = 36;
    channel.deliver(record65(last));
    EXPECT_TRUE(done);
    EXPECT_EQ(points.size(), 34u + 3 * 64 + 3);
    EXPECT_EQ(points.back().first, 2 * (34 + 3 * 64 + 2));
    EXPECT_EQ(engine.vars().state, z4state::kIdle);
}

TEST_F(HistoryWalk, ABadRecordIsAskedAgainAndAPointerOutsideTheHistoryShowsNothing) {
    startAt(0, 0);
    Bytes bad = record65(Bytes(64, 1));
    bad[64] ^= 0xFF;
    channel.deliver(bad);
    EXPECT_TRUE(points.empty());
    tickUntilWrite();
    EXPECT_EQ(lastWrite(), frameBytes(0x00, 0x40, 0x00, 128));

    history.stop();
    points.clear();
    startAt(0xFF, 0xFF);  // an erased module
    EXPECT_TRUE(done);
    EXPECT_TRUE(points.empty());
    EXPECT_EQ(engine.vars().state, z4state::kIdle);
}

}  // namespace
}  // namespace vardeck::testing
