// Write all and the line-simulator write against the simulated module,
// in-process on virtual time.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/engine/EngineRig.h"
#include "z4link/CommandCodes.h"
#include "z4link/Frame.h"

namespace vardeck::testing {
namespace {

const std::string kWriting = "Összes adat elküldése folyamatban...";
const std::string kClockRunning = "Óra szinkronozása a PC órájával folyamatban...";
const std::string kWritten = "Adatküldés sikeres!";
const std::string kClockDone = "Óra szinkronozása a PC órájával sikeres";
const std::string kContactId = "Send all ContactID code";

// What the module keeps when the engine does not send a position.
std::set<int> skippedPositions(bool company) {
    std::set<int> s{75, 254, 255};
    if (!company) {
        for (int i = 384; i <= 399; ++i) s.insert(i);
    }
    return s;
}

// The module's memory after the write: the image everywhere the engine writes,
// the old contents where it does not, and always the module's own two bytes.
void expectWritten(EngineRig& rig, const std::vector<uint8_t>& before, int bytes, const std::set<int>& kept) {
    const auto memory = rig.model.memory();
    std::vector<uint8_t> want = before;
    for (int i = 0; i < bytes; ++i) {
        if (!kept.count(i) && i != 254 && i != 255) want[i] = rig.image[i];
    }
    EXPECT_TRUE(std::equal(want.begin(), want.end(), memory.begin()))
        << differences(want.data(), memory.data(), 0, static_cast<int>(want.size()) - 1);
}

// The image the editor would have encoded: different from the module everywhere.
void fillImage(EngineRig& rig, uint8_t seed) {
    for (std::size_t i = 0; i < rig.image.size(); ++i) rig.image[i] = static_cast<uint8_t>(seed ^ (i * 13 + 5));
}

std::vector<uint8_t> snapshot(const EngineRig& rig) {
    return std::vector<uint8_t>(rig.model.memory().begin(), rig.model.memory().end());
}

std::string lastClockDigits(const EngineRig& rig) {
    const sim::Bytes& w = rig.channel.written();
    if (w.size() < 18 || w[w.size() - 17] != z4cmd::kSetClock) return "no clock frame at the end";
    return std::string(w.end() - 12, w.end());
}

TEST(WriteAllByteWise, SkipsTheModulesOwnPositionsAndEndsWithTheClock) {
    for (bool company : {false, true}) {
        EngineRig rig(71, 32);
        rig.engine.setCompanyFlag(company);
        rig.fillModuleMemory(0x40);
        fillImage(rig, 0x5A);
        const auto before = snapshot(rig);
        rig.engine.writeAll();
        EXPECT_EQ(rig.status(), kWriting);
        EXPECT_EQ(rig.listener.pageRefreshes, 1);
        ASSERT_TRUE(rig.runUntilIdle(5000));

        const std::set<int> kept = skippedPositions(company);
        expectWritten(rig, before, 1024, kept);
        for (const Frame& f : rig.framesWithCommand(z4cmd::kWriteConfigByte)) {
            EXPECT_EQ(kept.count(f[0] << 8 | f[2]), 0u) << "sent position " << (f[0] << 8 | f[2]);
        }
        EXPECT_EQ(rig.framesWithCommand(z4cmd::kWriteConfigByte).size(), 1024 - kept.size());
        EXPECT_EQ(lastClockDigits(rig), "240517134509");
        EXPECT_EQ(rig.status(), kWritten);
        EXPECT_EQ(rig.listener.statusHistory.end()[-2], kClockRunning);
        EXPECT_FALSE(rig.listener.gauge.visible);
        EXPECT_TRUE(rig.listener.buttonsEnabled);
    }
}

TEST(WriteAllByteWise, FirmwareBelow28GetsOnesForTheDate) {
    EngineRig rig(70, 27);
    rig.engine.writeAll();
    ASSERT_TRUE(rig.runUntilIdle(5000));
    EXPECT_EQ(lastClockDigits(rig), "111111134509");
}

TEST(WriteAllBlocks, WritesSixBlocksAndEndsWithTheMenuClockSetting) {
    EngineRig rig(71, 43);
    rig.fillModuleMemory(0x11);
    fillImage(rig, 0x77);
    const auto before = snapshot(rig);
    rig.engine.writeAll();
    ASSERT_TRUE(rig.runUntilIdle(5000));
    // A block carries every byte, the module's own ones are kept by the module.
    expectWritten(rig, before, 1536, {});
    EXPECT_EQ(rig.framesWithCommand(z4cmd::kWriteLargeBlock).size(), 6u);
    EXPECT_EQ(lastClockDigits(rig), "240517134509");
    EXPECT_EQ(rig.status(), kClockDone);
    EXPECT_FALSE(rig.listener.gauge.visible);
    EXPECT_TRUE(rig.listener.buttonsEnabled);
    EXPECT_FALSE(rig.engine.vars().clockOnly);
}

TEST(WriteAllZcid, OldFirmwareWritesBytesThenTheContactIdAreaThenTheClock) {
    EngineRig rig(100, 30);
    rig.fillModuleMemory(0x33);
    fillImage(rig, 0x0F);
    const auto before = snapshot(rig);
    rig.engine.writeAll();
    ASSERT_TRUE(rig.tickUntil([&] { return rig.engine.vars().state == z4state::kContactIdWrite; }, 5000));
    EXPECT_EQ(rig.status(), kContactId);
    EXPECT_EQ(rig.listener.gauge.max, 224);
    ASSERT_TRUE(rig.runUntilIdle(5000));

    expectWritten(rig, before, 8192, skippedPositions(false));
    EXPECT_EQ(rig.framesWithCommand(z4cmd::kWriteSmallBlock).size(), 224u);
    EXPECT_EQ(rig.status(), kWritten);
}

TEST(WriteAllZcid, NewFirmwareUsesTheLargeBlocks) {
    EngineRig rig(100, 43);
    rig.engine.writeAll();
    ASSERT_TRUE(rig.runUntilIdle(5000));
    EXPECT_EQ(rig.framesWithCommand(z4cmd::kWriteLargeBlock).size(), 6u);
    EXPECT_TRUE(rig.framesWithCommand(z4cmd::kWriteSmallBlock).empty());
    EXPECT_EQ(rig.status(), kClockDone);
}

TEST(WriteAll, FaultyRepliesNeverLeaveAWrongByteInTheModule) {
    struct Case {
        int type, firmware, bytes;
    };
    for (const Case c : {Case{71, 32, 1024}, Case{71, 43, 1536}, Case{100, 30, 8192}}) {
        EngineRig rig(c.type, c.firmware, faultyLine(5));
        rig.channel.setPaced(true);
        rig.fillModuleMemory(0x10);
        fillImage(rig, 0xC3);
        const auto before = snapshot(rig);
        rig.engine.writeAll();
        ASSERT_TRUE(rig.runUntilIdle(400000)) << "type " << c.type << " firmware " << c.firmware;
        expectWritten(rig, before, c.bytes, c.firmware <= 32 ? skippedPositions(false) : std::set<int>{});
        EXPECT_EQ(rig.status(), c.firmware <= 32 ? kWritten : kClockDone);
    }
}

TEST(WriteAll, AModuleRestartingMidWriteOnlyCostsTime) {
    EngineRig rig(71, 32);
    rig.channel.setPaced(true);
    rig.fillModuleMemory(0x01);
    fillImage(rig, 0x99);
    const auto before = snapshot(rig);
    rig.engine.writeAll();
    ASSERT_TRUE(rig.tickUntil([&] { return rig.engine.vars().transferIndex >= 500; }, 5000));
    // Someone restarts the module (its own button, a power dip): it is deaf for a while.
    const Frame restart = makeFrame(0x00, 0xFF, 0xAA, 0x00);
    rig.model.receive(restart, rig.channel.now());
    ASSERT_TRUE(rig.model.restarting());
    ASSERT_TRUE(rig.runUntilIdle(5000));
    expectWritten(rig, before, 1024, skippedPositions(false));
    EXPECT_EQ(rig.status(), kWritten);
}

TEST(LineSimulatorWrite, SendsBytes94And95ThenTheClock) {
    EngineRig rig(100, 30);  // no Contact ID area after it, even on a Z-CID
    int encodes = 0;
    rig.listener.onEncode = [&] {
        ++encodes;
        rig.image[94] = 0x12;
        rig.image[95] = 0x34;
    };
    rig.engine.lineSimulatorWrite();
    ASSERT_TRUE(rig.runUntilIdle(1000));
    EXPECT_EQ(encodes, 1);
    const auto writes = rig.framesWithCommand(z4cmd::kWriteConfigByte);
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(writes[0], makeFrame(0x00, 0x01, 94, 0x12));
    EXPECT_EQ(writes[1], makeFrame(0x00, 0x01, 95, 0x34));
    EXPECT_EQ(lastClockDigits(rig), "240517134509");
    EXPECT_EQ(rig.status(), kWritten);
    EXPECT_FALSE(rig.engine.vars().lineSimulator);
}

TEST(WriteAll, ModuleThatStopsAnsweringKeepsTheEngineRetryingAndTheGaugeWhereItWas) {
    EngineRig rig(71, 32);
    rig.channel.setPaced(true);  // a few bytes a tick, so the write can be caught midway
    rig.engine.writeAll();
    ASSERT_TRUE(rig.tickUntil([&] { return rig.engine.vars().transferIndex >= 500; }, 5000));
    // From now on every reply is lost.
    for (int i = 0; i < 1000; ++i) rig.faults.forceNext(sim::Fault::Drop);
    rig.tick();
    const int gauge = rig.listener.gauge.progress;
    const int index = rig.engine.vars().transferIndex;
    const std::size_t framesBefore = rig.model.frameLog().size();
    for (int i = 0; i < 60; ++i) rig.tick();
    EXPECT_EQ(rig.listener.gauge.progress, gauge);
    EXPECT_EQ(rig.engine.vars().transferIndex, index);
    EXPECT_EQ(rig.engine.vars().state, z4state::kByteWrite);
    // The same frame every countdown + 1 = 6 ticks.
    const auto& log = rig.model.frameLog();
    EXPECT_EQ(log.size() - framesBefore, 10u);
    EXPECT_EQ(log.back().bytes, log[framesBefore].bytes);

    rig.listener.answer = false;
    EXPECT_FALSE(rig.engine.confirmClose());
    ASSERT_EQ(rig.listener.questions.size(), 1u);
    EXPECT_EQ(rig.listener.questions[0], "Művelet van folyamatban, biztosan ki akar lépni???");
    rig.listener.answer = true;
    EXPECT_TRUE(rig.engine.confirmClose());
}

}  // namespace
}  // namespace vardeck::testing
