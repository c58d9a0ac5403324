// The Z-4 family module in-process: every command's reply byte for byte, the
// block transfers with their sums and time-outs, restart, clock, and the records
// tests assert on. All on virtual time.
#include "sim/Z4FamilyModel.h"
#include "sim/Z4StatusMemory.h"
#include "z4link/ReceiveBuffer.h"
#include "z4link/ReplyChecks.h"
#include "Z4Commands.h"

#include <gtest/gtest.h>

using namespace vardeck;
using namespace vardeck::sim;
using namespace vardeck::sim::z4test;
using namespace std::chrono_literals;

namespace {

// The module, and what it sent in answer to the latest input.
struct Module {
    explicit Module(int code = 71, int firmware = 43) : model(code, firmware) {}

    Bytes send(const Bytes& bytes, SimTime at) {
        model.receive(bytes, at);
        return replies();
    }
    Bytes send(const Bytes& bytes) { return send(bytes, clock); }
    Bytes replies() {
        Bytes out;
        for (const Emission& e : model.takeEmissions()) out = out + e.bytes;
        return out;
    }
    // Fills the configuration memory with a pattern the module keeps its bytes in.
    void fillMemory() {
        auto memory = model.memory();
        for (std::size_t i = 0; i < memory.size(); ++i) memory[i] = static_cast<uint8_t>(i * 13 + (i >> 8));
        model.memoryLoaded();
    }
    Bytes memoryRange(std::size_t from, std::size_t count) const {
        auto memory = model.memory();
        return Bytes(memory.begin() + static_cast<std::ptrdiff_t>(from),
                     memory.begin() + static_cast<std::ptrdiff_t>(from + count));
    }

    Z4FamilyModel model;
    SimTime clock{0};
};

// Runs a reply through the program's own reply checks.
ReceiveBuffer received(const Bytes& reply) {
    ReceiveBuffer rx;
    rx.append(reply.data(), static_cast<int>(reply.size()));
    return rx;
}

}  // namespace

TEST(Z4Module, ByteReadsAndWritesAnswerWithTheStoredByte) {
    Module m(70, 38);
    EXPECT_EQ(m.send(byteRead(0x00FE)), frame(0xAB, 0x00, 0xFE, 38));
    EXPECT_EQ(m.send(byteWrite(0x0050, 0x03)), frame(0xAB, 0x01, 0x50, 0x03));
    EXPECT_EQ(m.send(byteRead(0x0050)), frame(0xAB, 0x00, 0x50, 0x03));
    // Byte 75 and the company text are the program's to write.
    EXPECT_EQ(m.send(byteWrite(75, 0x42)), frame(0xAB, 0x01, 75, 0x42));
    EXPECT_EQ(m.send(byteWrite(384, 'Z')), frame(0xAB, 0x01, 384 & 0xFF, 'Z'));
    EXPECT_EQ(m.model.memory()[384], 'Z');
    // The firmware and type bytes are the module's: the answer carries the kept value.
    EXPECT_EQ(m.send(byteWrite(0x00FE, 0x99)), frame(0xAB, 0x01, 0xFE, 38));
    EXPECT_EQ(m.send(byteWrite(0x00FF, 0x99)), frame(0xAB, 0x01, 0xFF, 70));
    EXPECT_TRUE(replyAcknowledges(received(m.send(byteRead(0x00FF))), 0xFF));
}

TEST(Z4Module, StatusMemoryIsSeparateFromTheConfiguration) {
    Module m(71);
    m.model.memory()[kZ4StatusBlockAddress + 3] = 0x55;
    m.model.statusMemory()[kZ4StatusBlockAddress + 3] = 27;
    EXPECT_EQ(m.send(statusRead(kZ4StatusBlockAddress + 3)), frame(0xAB, 0x02, 0x03, 27));
    EXPECT_EQ(m.send(byteRead(kZ4StatusBlockAddress + 3)), frame(0xAB, 0x00, 0x03, 0x55));
    // A healthy module at rest: registered, no error, memory good.
    EXPECT_EQ(m.send(statusRead(kZ4StatusBlockAddress + 1)), frame(0xAB, 0x02, 0x01, 1));
    EXPECT_EQ(m.send(statusRead(kZ4StatusBlockAddress + 4))[3] & 0x80, 0x80);
    // Beyond the status memory there is no answer.
    EXPECT_TRUE(m.send(statusRead(kZ4StatusMemorySize)).empty());
}

TEST(Z4Module, LargeBlockReadSendsTheBytesAndTheirSum) {
    Module m;
    m.fillMemory();
    for (uint8_t p : {0, 16, 80, 255}) {
        SCOPED_TRACE(int{p});
        const Bytes reply = m.send(largeRead(p));
        ASSERT_EQ(reply.size(), 257u);
        const Bytes expected = m.memoryRange(16u * p, 256);
        EXPECT_EQ(Bytes(reply.begin(), reply.begin() + 256), expected);
        EXPECT_EQ(reply[256], dataSum(expected.data(), 256));
        EXPECT_TRUE(block257Valid(received(reply)));
    }
    // The module's own bytes come back in block 0.
    const Bytes block0 = m.send(largeRead(0));
    EXPECT_EQ(block0[0xFE], 43);
    EXPECT_EQ(block0[0xFF], 71);
}

TEST(Z4Module, LargeBlockWriteStoresAtSixteenTimesTheAddressAndAcksWithTheSum) {
    Module m(90);
    for (uint8_t b = 0; b < 6; ++b) {
        SCOPED_TRACE(int{b});
        const Bytes data = pattern(256, static_cast<uint8_t>(b * 31 + 1));
        const Bytes command = largeWrite(static_cast<uint16_t>(16 * b), data);
        ASSERT_EQ(command.size(), 262u);
        EXPECT_EQ(m.send(command), Bytes{dataSum(data.data(), 256)});
        Bytes stored = m.memoryRange(256u * b, 256);
        if (b == 0) {
            // The module keeps its firmware and type bytes whatever the block says.
            EXPECT_EQ(stored[0xFE], 43);
            EXPECT_EQ(stored[0xFF], 90);
            stored[0xFE] = data[0xFE];
            stored[0xFF] = data[0xFF];
        }
        EXPECT_EQ(stored, data);
    }
    EXPECT_EQ(m.model.counters().blocksStored, 6u);
    // The payload is attached to its frame in the log, and the block counts as written.
    ASSERT_EQ(m.model.frameLog().size(), 6u);
    EXPECT_EQ(m.model.frameLog().back().payload, pattern(256, 5 * 31 + 1));
    EXPECT_TRUE(m.model.wasWritten(1535));
    EXPECT_FALSE(m.model.wasWritten(1536));
    EXPECT_EQ(m.model.writtenAddresses().size(), 1536u);
}

TEST(Z4Module, LargeBlockWithWrongSumIsNeitherStoredNorAcknowledged) {
    Module m;
    m.fillMemory();
    const Bytes before = m.memoryRange(256, 256);
    Bytes command = largeWrite(16, pattern(256, 9));
    command[100] ^= 0x01;  // one data byte spoilt on the way
    EXPECT_TRUE(m.send(command).empty());
    EXPECT_EQ(m.memoryRange(256, 256), before);
    EXPECT_EQ(m.model.counters().blocksRejected, 1u);
    EXPECT_TRUE(m.model.memoryWrites().empty());
    // The next frame is understood again at once.
    EXPECT_EQ(m.send(byteRead(0x00FE)), frame(0xAB, 0x00, 0xFE, 43));
}

TEST(Z4Module, IncompleteLargeBlockIsDroppedAfterTheTimeOut) {
    Module m;
    const Bytes command = largeWrite(32, pattern(256, 3));
    // Only the frame and 200 of the 256 data bytes arrive.
    EXPECT_TRUE(m.send(Bytes(command.begin(), command.begin() + 206), 0ms).empty());
    // Before the time-out a frame would be taken as data; the model waits.
    EXPECT_EQ(m.model.nextWakeup(), m.model.timing().payloadTimeout);
    m.model.advanceTo(m.model.timing().payloadTimeout);
    EXPECT_FALSE(m.model.nextWakeup().has_value());
    EXPECT_EQ(m.model.discardedBytes(), 200u);
    EXPECT_EQ(m.model.memory()[512], 0xFF);
    // The repeated block goes through whole.
    const SimTime later = m.model.timing().payloadTimeout + 50ms;
    EXPECT_EQ(m.send(command, later), Bytes{command[0]});
    EXPECT_EQ(m.memoryRange(512, 256), pattern(256, 3));
    ASSERT_EQ(m.model.frameLog().size(), 2u);
    EXPECT_TRUE(m.model.frameLog()[0].payload.empty());
}

TEST(Z4Module, LargeBlockBeyondTheMemoryIsSwallowedWithoutAnAnswer) {
    Module m;
    // Past the memory, below the firmware pages: the data must not be read as
    // frames either.
    Bytes data(256, 0x00);
    const Bytes identify = frame(0x00, 0x00, 0xFF, 0x00);
    std::copy(identify.begin(), identify.end(), data.begin());
    EXPECT_TRUE(m.send(largeWrite(0x3DFF, data)).empty());
    EXPECT_FALSE(m.model.frameLog().back().handled);
    EXPECT_EQ(m.model.frameLog().size(), 1u);
    EXPECT_EQ(m.model.counters().blocksRejected, 1u);
}

TEST(Z4Module, SmallBlocksOnlyOnTheContactIdModel) {
    Module cid(100, 30);
    cid.fillMemory();
    for (uint8_t n : {0, 7, 255}) {
        SCOPED_TRACE(int{n});
        const Bytes reply = cid.send(smallRead(n));
        ASSERT_EQ(reply.size(), 39u);
        EXPECT_EQ(Bytes(reply.begin(), reply.begin() + 6), frame(0xAB, 0x40, n, 0x00));
        EXPECT_EQ(Bytes(reply.begin() + 6, reply.begin() + 38), cid.memoryRange(32u * n, 32));
        EXPECT_TRUE(block39Valid(received(reply), n));
    }
    const Bytes data = pattern(32, 0x21);
    const Bytes command = smallWrite(200, data);
    ASSERT_EQ(command.size(), 39u);
    EXPECT_EQ(cid.send(command), frame(0xAB, 200, 200, 0x00));
    EXPECT_EQ(cid.memoryRange(32 * 200, 32), data);
    EXPECT_TRUE(replyAcknowledges(received(frame(0xAB, 200, 200, 0x00)), 200));
    // 40 with P3 set asks for a signal-history record (65 bytes), not block 0.
    EXPECT_EQ(cid.send(historyRead(128)).size(), 65u);
    EXPECT_EQ(cid.model.counters().historyRecordsRead, 1u);

    for (int code : {70, 71, 80, 90}) {
        SCOPED_TRACE(code);
        Module other(code);
        EXPECT_TRUE(other.send(smallRead(3)).empty());
        EXPECT_TRUE(other.send(smallWrite(40, data)).empty());
        EXPECT_EQ(other.model.memory()[32 * 40], 0xFF);
        // Its 33 data bytes were no frames to it; a frame after them is.
        EXPECT_EQ(other.send(byteRead(0x00FF)), frame(0xAB, 0x00, 0xFF, static_cast<uint8_t>(code)));
    }
}

TEST(Z4Module, SmallBlockWriteRefusesLowBlocksAndBadSums) {
    Module cid(100);
    EXPECT_TRUE(cid.send(smallWrite(31, pattern(32, 1))).empty());
    EXPECT_EQ(cid.model.memory()[32 * 31], 0xFF);
    Bytes spoilt = smallWrite(32, pattern(32, 1));
    spoilt[38] ^= 0x80;
    EXPECT_TRUE(cid.send(spoilt).empty());
    EXPECT_EQ(cid.model.memory()[32 * 32], 0xFF);
    EXPECT_EQ(cid.model.counters().blocksRejected, 2u);
    EXPECT_TRUE(cid.model.memoryWrites().empty());
}

TEST(Z4Module, ClockDigitsAreKeptAndAcknowledged) {
    Module m(71, 27);
    EXPECT_EQ(m.send(setClock("111111093005"), 3s), frame(0xAB, 0xAA, 0x00, 0x00));
    ASSERT_TRUE(m.model.lastClockSetting().has_value());
    EXPECT_EQ(m.model.lastClockSetting()->digits, "111111093005");
    EXPECT_EQ(m.model.lastClockSetting()->at, SimTime{3s});
    EXPECT_EQ(m.model.frameLog().back().payload, (Bytes{'1', '1', '1', '1', '1', '1', '0', '9', '3', '0', '0', '5'}));
    // Digits that are not digits set nothing.
    EXPECT_TRUE(m.send(setClock("2503X1120000"), 4s).empty());
    EXPECT_EQ(m.model.lastClockSetting()->digits, "111111093005");
    EXPECT_EQ(m.model.counters().clockSettings, 1u);
}

TEST(Z4Module, RestartMakesTheModuleDeafForItsQuietTime) {
    Module m(80);
    const SimTime quiet = m.model.timing().restartQuiet;
    EXPECT_TRUE(m.send(restart(), 1s).empty());
    EXPECT_TRUE(m.model.restarting());
    EXPECT_TRUE(m.send(byteRead(0x00FE), 1s + quiet - 1ms).empty());
    EXPECT_TRUE(m.send(byteWrite(0x0010, 0x01), 1s + quiet - 1ms).empty());
    EXPECT_EQ(m.model.memory()[0x10], 0xFF);
    EXPECT_EQ(m.send(byteRead(0x00FE), 1s + quiet), frame(0xAB, 0x00, 0xFE, 43));
    EXPECT_EQ(m.model.counters().restarts, 1u);
    // What came during the restart is in the log, marked as ignored.
    const auto& log = m.model.frameLog();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_TRUE(log[0].handled);
    EXPECT_FALSE(log[1].handled);
    EXPECT_FALSE(log[2].handled);
    EXPECT_FALSE(m.model.wasWritten(0x10));
}

TEST(Z4Module, LifeSignalTestIsCountedWithoutAnswer) {
    Module m;
    EXPECT_TRUE(m.send(lifeSignalTest()).empty());
    EXPECT_TRUE(m.model.frameLog().back().handled);
    EXPECT_EQ(m.model.counters().lifeSignalTests, 1u);
    // Another frame with the same command code is not the test.
    EXPECT_TRUE(m.send(frame(0x02, 0x04, 0x11, 0x01)).empty());
    EXPECT_EQ(m.model.counters().lifeSignalTests, 1u);
}

TEST(Z4Module, WriteRecordsTellWhatTheProgramWroteAndWhen) {
    Module m(71);
    m.send(byteWrite(74, 1), 10ms);
    m.send(byteWrite(76, 2), 20ms);
    m.send(byteWrite(0x00FE, 3), 30ms);
    m.send(setClock("250314120000"), 40ms);
    EXPECT_EQ(m.model.writtenAddresses(), (std::vector<uint16_t>{74, 76, 0xFE}));
    EXPECT_FALSE(m.model.wasWritten(75));
    ASSERT_EQ(m.model.memoryWrites().size(), 3u);
    EXPECT_EQ(m.model.memoryWrites()[1].at, SimTime{20ms});
    EXPECT_EQ(m.model.memoryWrites()[1].kind, WriteKind::Byte);
    // The write ended with the clock frame.
    EXPECT_EQ(m.model.frameLog().back().bytes[1], 0xFC);
    m.model.clearFrameLog();
    EXPECT_TRUE(m.model.memoryWrites().empty());
}
