// Read all against the simulated module, in-process on virtual time.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/engine/EngineRig.h"
#include "z4link/CommandCodes.h"

namespace vardeck::testing {
namespace {

const std::string kReading = "Összes adat kiolvasása folyamatban...";
const std::string kRead = "Összes adat kiolvasása sikeres!";

// One way of reading: the module it needs and how much of the image it covers.
struct ReadMethod {
    const char* name;
    int type;
    int firmware;
    int bytesRead;   // image bytes 0..bytesRead-1
    uint8_t command; // P1 of the read frames
    int frames;      // frames of a read without faults
    bool resetsTimeUnit;
};

const ReadMethod kMethods[] = {
    {"ByteWise", 71, 32, 1024, z4cmd::kReadConfigByte, 1024, true},
    {"LargeBlocks", 71, 43, 1536, z4cmd::kReadLargeBlock, 6, true},
    {"ZcidOldFirmware", 100, 30, 8192, z4cmd::kReadSmallBlock, 256, false},
    {"ZcidNewFirmware", 100, 43, 8192, z4cmd::kReadSmallBlock, 256, false},
};

void expectExactCopy(const EngineRig& rig, int bytes) {
    const auto memory = rig.model.memory();
    EXPECT_TRUE(std::equal(rig.image.begin(), rig.image.begin() + bytes, memory.begin()))
        << differences(memory.data(), rig.image.data(), 0, bytes - 1);
    // Nothing beyond the range the method reads was touched.
    EXPECT_TRUE(std::all_of(rig.image.begin() + bytes, rig.image.end(), [](uint8_t b) { return b == 0; }));
}

class ReadAll : public ::testing::TestWithParam<ReadMethod> {};

TEST_P(ReadAll, CopiesTheModuleMemoryAndReportsSuccess) {
    const ReadMethod& m = GetParam();
    EngineRig rig(m.type, m.firmware);
    rig.fillModuleMemory(0x21);
    rig.engine.readAll();
    EXPECT_EQ(rig.status(), kReading);
    EXPECT_FALSE(rig.listener.buttonsEnabled);
    EXPECT_TRUE(rig.listener.gauge.visible);

    ASSERT_TRUE(rig.runUntilIdle(5000));
    expectExactCopy(rig, m.bytesRead);
    EXPECT_EQ(rig.framesWithCommand(m.command).size(), static_cast<std::size_t>(m.frames));
    EXPECT_EQ(rig.status(), kRead);
    EXPECT_TRUE(rig.listener.buttonsEnabled);
    EXPECT_FALSE(rig.listener.gauge.visible);
    EXPECT_EQ(rig.listener.gauge.progress, rig.listener.gauge.max);
    EXPECT_EQ(rig.listener.gauge.max, m.frames);
    EXPECT_EQ(rig.listener.decodes, 1);
    EXPECT_EQ(rig.listener.timeUnitResets, m.resetsTimeUnit ? 1 : 0);
}

TEST_P(ReadAll, FaultyRepliesCostTimeButNeverAWrongByte) {
    const ReadMethod& m = GetParam();
    for (uint32_t seed : {3u, 11u}) {
        EngineRig rig(m.type, m.firmware, faultyLine(seed));
        rig.fillModuleMemory(static_cast<uint8_t>(seed));
        rig.channel.setPaced(true);  // replies arrive byte by byte
        rig.engine.readAll();
        ASSERT_TRUE(rig.runUntilIdle(200000)) << "seed " << seed;
        expectExactCopy(rig, m.bytesRead);
        EXPECT_EQ(rig.status(), kRead);
        EXPECT_GT(rig.framesWithCommand(m.command).size(), static_cast<std::size_t>(m.frames))
            << "the faults should have cost repeats";
    }
}

INSTANTIATE_TEST_SUITE_P(Methods, ReadAll, ::testing::ValuesIn(kMethods),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadAllMethod, ZcidReadsBlocksWhateverTheFirmwareAndOthersByVersion) {
    EngineRig zcid(100, 20);
    zcid.engine.readAll();
    EXPECT_EQ(zcid.engine.vars().state, z4state::kSmallBlockRead);

    EngineRig old(70, 32);
    old.engine.readAll();
    EXPECT_EQ(old.engine.vars().state, z4state::kByteRead);

    EngineRig current(90, 33);
    current.engine.readAll();
    EXPECT_EQ(current.engine.vars().state, z4state::kLargeBlockRead);
}

}  // namespace
}  // namespace vardeck::testing
