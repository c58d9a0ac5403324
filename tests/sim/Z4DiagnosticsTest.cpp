// The Z-4 module's side of the diagnostic views in-process: status bytes from
// the options, event-log and signal-history records, monitor mode streaming its
// text over simulated time, and a live status. All on virtual time.
#include "sim/DeviceCatalog.h"
#include "sim/Z4FamilyModel.h"
#include "sim/Z4StatusMemory.h"
#include "z4link/ReceiveBuffer.h"
#include "z4link/ReplyChecks.h"
#include "Z4Commands.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

using namespace vardeck;
using namespace vardeck::sim;
using namespace vardeck::sim::z4test;
using namespace std::chrono_literals;

namespace {

Bytes answer(DeviceModel& model, const Bytes& command, SimTime at) {
    model.receive(command, at);
    return sent(model);
}

bool validRecord(const Bytes& reply) {
    ReceiveBuffer rx;
    rx.append(reply.data(), static_cast<int>(reply.size()));
    return record65Valid(rx);
}

Bytes text(const std::string& s) { return Bytes(s.begin(), s.end()); }

}  // namespace

TEST(Z4Diagnostics, StatusBytesFromTheOptionsReplaceTheStartOfTheBlock) {
    ModelOptions options;
    options.z4Diagnostics.statusBlock = {0x05, 0x03, 0x00, 0x1A};
    auto model = makeDeviceModel(71, options);
    EXPECT_EQ(answer(*model, statusRead(kZ4StatusBlockAddress), 0ms), frame(0xAB, 0x02, 0x00, 0x05));
    EXPECT_EQ(answer(*model, statusRead(kZ4StatusBlockAddress + 3), 0ms), frame(0xAB, 0x02, 0x03, 0x1A));
    // The rest keeps the healthy module's values: 21 degrees.
    EXPECT_EQ(answer(*model, statusRead(kZ4StatusBlockAddress + 9), 0ms), frame(0xAB, 0x02, 0x09, 21));
    // Without a live status nothing moves, and the model wants no time.
    EXPECT_FALSE(model->nextWakeup().has_value());
}

TEST(Z4Diagnostics, EventRecordsCarryTheirSumAndReadEmptyBeyondTheLog) {
    Z4FamilyModel module(71);
    // The built-in log: nine records of known sources, times of four digits.
    ASSERT_EQ(module.eventRecordCount(), 9u);
    for (uint16_t n = 1; n <= 9; ++n) {
        SCOPED_TRACE(n);
        const Bytes reply = answer(module, eventRead(n), 0ms);
        ASSERT_EQ(reply.size(), 65u);
        EXPECT_TRUE(validRecord(reply));
        EXPECT_NE(std::string("\x01\x02\x03\x04\x09\x0A\x0D\x0E").find(static_cast<char>(reply[0])), std::string::npos);
        for (std::size_t i = 2; i < 6; ++i) EXPECT_TRUE(reply[i] >= '0' && reply[i] <= '9');
        EXPECT_LE(reply[15], 31);
    }

    Bytes log = pattern(64, 0x11) + pattern(64, 0x22);
    module.setEventLog(log);
    const Bytes second = answer(module, eventRead(2), 0ms);
    EXPECT_EQ(second, pattern(64, 0x22) + Bytes{dataSum(log.data() + 64, 64)});
    // Record 0, the record after the last, and one past 256 (hi byte 1): erased.
    const Bytes empty = Bytes(64, 0xFF) + Bytes{0xC0};
    EXPECT_EQ(answer(module, eventRead(0), 0ms), empty);
    EXPECT_EQ(answer(module, eventRead(3), 0ms), empty);
    EXPECT_EQ(answer(module, eventRead(257), 0ms), empty);
    EXPECT_TRUE(validRecord(empty));
    EXPECT_EQ(module.counters().eventRecordsRead, 13u);
}

TEST(Z4Diagnostics, HistoryRecordIsSixtyFourBytesFromThirtyTwoTimesR) {
    Z4FamilyModel module(90);
    // The built-in history: samples in the first 1024 bytes, erased after them.
    EXPECT_LE(module.historyMemory()[0], kZ4HistoryMaxSample);
    EXPECT_LE(module.historyMemory()[1023], kZ4HistoryMaxSample);
    EXPECT_EQ(module.historyMemory()[1024], 0xFF);

    const Bytes memory = pattern(kZ4HistorySize, 0x33);
    std::copy(memory.begin(), memory.end(), module.historyMemory().begin());
    for (uint8_t r : {0, 6, 126}) {
        SCOPED_TRACE(int{r});
        const Bytes reply = answer(module, historyRead(static_cast<uint8_t>(128 + r)), 0ms);
        const Bytes expected(memory.begin() + 32 * r, memory.begin() + 32 * r + 64);
        EXPECT_EQ(reply, expected + Bytes{dataSum(expected.data(), 64)});
        EXPECT_TRUE(validRecord(reply));
    }
    // Odd records and P3 below 128 get no answer.
    EXPECT_TRUE(answer(module, historyRead(128 + 7), 0ms).empty());
    EXPECT_TRUE(answer(module, historyRead(129 + 126), 0ms).empty());
    EXPECT_TRUE(answer(module, historyRead(12), 0ms).empty());
    EXPECT_FALSE(module.frameLog().back().handled);
    EXPECT_EQ(module.counters().historyRecordsRead, 3u);
}

TEST(Z4Diagnostics, MonitorStreamsItsTextOverSimulatedTimeUntilTheLeaveFrame) {
    Z4FamilyModel module(71);
    const Bytes trace = text("AT+CSQ\r\n+CSQ: 18,0\r\n\r\nOK\r\nAT+CREG?\r\n");
    module.setMonitorText(trace);
    const SimTime byte = module.timing().monitorByteTime;

    EXPECT_EQ(answer(module, monitorOn(), 0ms), frame(0xAB, 0xAC, 0x01, 0x00));
    EXPECT_TRUE(module.inMonitorMode());
    // The text follows the six bytes of the answer, piece by piece at the line speed.
    EXPECT_EQ(module.nextWakeup(), 6 * byte);
    Bytes streamed;
    SimTime due = 6 * byte;
    for (SimTime t = 0ms; t <= 100ms; t += 3ms) {
        module.advanceTo(t);
        for (const Emission& e : module.takeEmissions()) {
            EXPECT_LE(e.bytes.size(), Z4FamilyModel::kMonitorChunk);
            EXPECT_EQ(e.due, due);
            EXPECT_LE(e.due, t);
            due += byte * static_cast<long long>(e.bytes.size());
            streamed = streamed + e.bytes;
        }
    }
    EXPECT_EQ(streamed, trace);
    // Once the text is out it starts again after a pause of a second.
    const SimTime again = due + module.timing().monitorPause;
    EXPECT_EQ(module.nextWakeup(), again);
    module.advanceTo(again - 1us);
    EXPECT_TRUE(sent(module).empty());
    module.advanceTo(again);
    EXPECT_EQ(sent(module), text("AT+CSQ\r\n"));

    // The module listens while it streams.
    const SimTime later = again + 12 * byte;
    EXPECT_EQ(answer(module, statusRead(kZ4StatusBlockAddress + 1), later),
              text("+CSQ: 18,0\r\n") + frame(0xAB, 0x02, 0x01, 0x01));
    // The leave frame: what was due before it, its answer, then nothing more.
    module.receive(leaveMode(), later + 30 * byte);
    const std::vector<Emission> atLeave = module.takeEmissions();
    ASSERT_FALSE(atLeave.empty());
    EXPECT_EQ(atLeave.back().bytes, frame(0xAB, 0xAC, 0x00, 0x00));
    std::size_t textAtLeave = 0;
    for (std::size_t i = 0; i + 1 < atLeave.size(); ++i) textAtLeave += atLeave[i].bytes.size();
    EXPECT_FALSE(module.inMonitorMode());
    // The closing frame gets no answer.
    EXPECT_TRUE(answer(module, closingFrame(), later + 31 * byte).empty());
    EXPECT_TRUE(module.frameLog().back().handled);
    EXPECT_FALSE(module.nextWakeup().has_value());
    module.advanceTo(later + 10s);
    EXPECT_TRUE(sent(module).empty());
    EXPECT_EQ(module.counters().monitorEntered, 1u);
    EXPECT_EQ(module.counters().monitorLeft, 1u);
    EXPECT_EQ(module.counters().closingFrames, 1u);
    EXPECT_EQ(module.counters().monitorBytesSent, trace.size() + 8 + 12 + textAtLeave);
}

TEST(Z4Diagnostics, RestartEndsMonitorModeAndLeavingOutsideItNeedsNoClosingFrame) {
    Z4FamilyModel module(71);
    module.receive(monitorOn(), 0ms);
    module.advanceTo(50ms);
    EXPECT_FALSE(sent(module).empty());
    // The restart itself has no answer (only text due before it goes out).
    module.receive(restart(), 60ms);
    for (const Emission& e : module.takeEmissions()) EXPECT_LT(e.due, SimTime{60ms});
    EXPECT_FALSE(module.inMonitorMode());
    EXPECT_EQ(module.counters().monitorLeft, 1u);
    module.advanceTo(10s);
    EXPECT_TRUE(sent(module).empty());
    // Nothing to leave: "left directly", and 02 02 00 00 stays a status read.
    EXPECT_EQ(answer(module, leaveMode(), 10s), frame(0xAB, 0x02, 0x00, 0x00));
    EXPECT_EQ(answer(module, closingFrame(), 10s), frame(0xAB, 0x02, 0x00, 0x00));
    // A closing frame that comes too late after a real leave is a status read too.
    module.receive(monitorOn(), 20s);
    module.receive(leaveMode(), 20s);
    sent(module);
    EXPECT_EQ(answer(module, closingFrame(), 20s + module.timing().closingFrameWindow + 1ms),
              frame(0xAB, 0x02, 0x00, 0x00));
    EXPECT_EQ(module.counters().closingFrames, 0u);
}

TEST(Z4Diagnostics, LiveStatusMovesOnceASecondOfSimulatedTime) {
    auto live = [](uint32_t seed) {
        auto module = std::make_unique<Z4FamilyModel>(71);
        module->setLiveStatus(true, seed);
        return module;
    };
    auto block = [](const Z4FamilyModel& m) {
        auto s = m.statusMemory().subspan(kZ4StatusBlockAddress, 16);
        return Bytes(s.begin(), s.end());
    };
    auto module = live(7);
    const Bytes start = block(*module);
    EXPECT_EQ(module->nextWakeup(), SimTime{1s});
    module->advanceTo(999ms);
    EXPECT_EQ(block(*module), start);

    std::set<uint8_t> signals;
    for (int s = 1; s <= 60; ++s) {
        module->advanceTo(std::chrono::seconds(s));
        const Bytes now = block(*module);
        EXPECT_LE(now[z4status::kSignal], 31);
        signals.insert(now[z4status::kSignal]);
        // Input 1 toggles every five seconds.
        EXPECT_EQ(now[z4status::kInputs] & 1, (s / 5) % 2) << s;
    }
    EXPECT_GT(signals.size(), 2u);
    // The GSM clock ran a minute on from 12:30.
    const Bytes last = block(*module);
    EXPECT_EQ(std::string(last.begin() + 5, last.begin() + 9), "1231");
    EXPECT_EQ(module->counters().liveStatusTicks, 60u);

    // The same seed gives the same status, however the time is handed in.
    auto jumped = live(7);
    jumped->advanceTo(60s);
    EXPECT_EQ(block(*jumped), block(*module));
}
