// The Z-4 module's flash in-process: page-wise uploads of raw blocks with their
// acknowledgements and time-outs, firmware pages by block frame, the
// identification reply and the FPGA start. All on virtual time.
#include "sim/Z4FamilyModel.h"
#include "Z4Commands.h"

#include <gtest/gtest.h>

using namespace vardeck::sim;
using namespace vardeck::sim::z4test;
using namespace std::chrono_literals;

namespace {

Bytes flashPage(const Z4FamilyModel& module, std::size_t page) {
    const auto first = module.flash().begin() + static_cast<std::ptrdiff_t>(page * 256);
    return Bytes(first, first + 256);
}

// A sound's last block: samples, then 0xFF to the end.
Bytes endBlock(std::size_t samples, uint8_t seed) {
    Bytes block = pattern(samples, seed);
    std::replace(block.begin(), block.end(), uint8_t{0xFF}, uint8_t{0xFE});
    block.resize(256, 0xFF);
    return block;
}

}  // namespace

TEST(Z4Upload, SoundLandsInItsPagesAndTheEndMarkReturnsToFrames) {
    Z4FamilyModel module(71);
    ASSERT_EQ(module.flash().size(), 4u * 1024 * 1024);
    module.receive(announceUpload(0x0FE0), 0ms);
    EXPECT_EQ(sent(module), Bytes{0xE0});
    EXPECT_TRUE(module.inUploadMode());

    Bytes first = pattern(256, 0x11);
    std::replace(first.begin(), first.end(), uint8_t{0xFF}, uint8_t{0xFE});
    // Each block arrives in pieces, as a serial line delivers it.
    module.receive(Bytes(first.begin(), first.begin() + 100), 100ms);
    EXPECT_TRUE(sent(module).empty());
    module.receive(Bytes(first.begin() + 100, first.end()), 300ms);
    EXPECT_EQ(sent(module), Bytes{0xE0});
    const Bytes last = endBlock(44, 0x37);
    module.receive(last, 500ms);
    EXPECT_EQ(sent(module), Bytes{0xE1});

    EXPECT_EQ(flashPage(module, 0x0FE0), first);
    EXPECT_EQ(flashPage(module, 0x0FE1), last);
    EXPECT_EQ(flashPage(module, 0x0FE2), Bytes(256, 0xFF));
    EXPECT_EQ(module.counters().flashPagesWritten, 2u);
    // The end mark ended the upload: the next frame is a frame at once.
    EXPECT_FALSE(module.inUploadMode());
    module.receive(byteRead(0x00FE), 510ms);
    EXPECT_EQ(sent(module), frame(0xAB, 0x00, 0xFE, 43));
}

TEST(Z4Upload, PartialBlockIsDroppedAndFramesReturnAfterTheIdleTime) {
    Z4FamilyModel module(71);
    const Z4Timing& timing = module.timing();
    module.receive(announceUpload(0x0301), 0ms);
    EXPECT_EQ(sent(module), Bytes{0x01});
    // 100 bytes of a block, then nothing: dropped after the payload time-out.
    module.receive(pattern(100, 0x40), 1s);
    EXPECT_EQ(module.nextWakeup(), SimTime{1s} + timing.payloadTimeout);
    module.advanceTo(SimTime{1s} + timing.payloadTimeout);
    EXPECT_EQ(module.discardedBytes(), 100u);
    EXPECT_TRUE(module.inUploadMode());
    // The next whole block still goes to the first page with the first sequence value.
    const Bytes block = pattern(256, 0x02);
    module.receive(block, 5s);
    EXPECT_EQ(sent(module), Bytes{0x01});
    EXPECT_EQ(flashPage(module, 0x0301), block);
    // No end mark: the module waits for blocks until the idle time has passed.
    EXPECT_EQ(module.nextWakeup(), SimTime{5s} + timing.uploadIdleTimeout);
    module.advanceTo(SimTime{5s} + timing.uploadIdleTimeout);
    EXPECT_FALSE(module.inUploadMode());
    module.receive(byteRead(0x00FF), 12s);
    EXPECT_EQ(sent(module), frame(0xAB, 0x00, 0xFF, 71));
}

TEST(Z4Upload, DataImageFillsPagesZeroToEightEvenWithFfAtABlockEnd) {
    Z4FamilyModel module(80);
    module.receive(announceUpload(0x0000), 0ms);
    EXPECT_EQ(sent(module), Bytes{0x00});
    Bytes acks;
    for (uint8_t b = 0; b < 9; ++b) {
        Bytes block = pattern(256, static_cast<uint8_t>(b * 29));
        // Image bytes may well be 0xFF; only a sound's block ends on them.
        if (b == 3) std::fill(block.end() - 3, block.end(), 0xFF);
        module.receive(block, SimTime{100ms} * (b + 1));
        acks = acks + sent(module);
        EXPECT_EQ(flashPage(module, b), block) << "block " << int{b};
    }
    EXPECT_EQ(acks, (Bytes{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    // Nine blocks are the whole image: frames again at once.
    EXPECT_FALSE(module.inUploadMode());
    module.receive(byteRead(0x00FF), 1s);
    EXPECT_EQ(sent(module), frame(0xAB, 0x00, 0xFF, 80));
}

TEST(Z4Upload, IdentificationCarriesProcessorHardwareFirmwareAndBoot) {
    for (int code : {Z4Processor::kJ10, Z4Processor::kJ11}) {
        SCOPED_TRACE(code);
        Z4FamilyModel module(71, 41);
        Z4Processor processor;
        processor.code = code;
        module.setProcessor(processor);
        module.receive(identify(), 0ms);
        const Bytes reply = sent(module);
        EXPECT_EQ(reply, frame(static_cast<uint8_t>(code), 2, 41, 1));
        EXPECT_TRUE(frameIsValid(reply.data()));
    }
}

TEST(Z4Upload, FirmwarePagesByBlockFrameGoToFlashAndAckWithTheirSum) {
    Z4FamilyModel module(71);
    const Bytes memoryBefore(module.memory().begin(), module.memory().end());
    Bytes acks;
    for (uint16_t k = 0; k < 3; ++k) {
        const Bytes data = pattern(256, static_cast<uint8_t>(k * 53 + 9));
        // P2/P3 of the block frame: the flash page itself.
        module.receive(largeWrite(static_cast<uint16_t>(0x3E00 + k), data), SimTime{100ms} * k);
        EXPECT_EQ(sent(module), Bytes{dataSum(data.data(), 256)}) << "page " << k;
        EXPECT_EQ(flashPage(module, 0x3E00 + k), data);
    }
    // The last firmware page too; a spoilt block is neither stored nor answered.
    Bytes spoilt = largeWrite(0x3EFF, pattern(256, 0x77));
    spoilt[50] ^= 0x04;
    module.receive(spoilt, 1s);
    EXPECT_TRUE(sent(module).empty());
    EXPECT_EQ(flashPage(module, 0x3EFF), Bytes(256, 0xFF));
    EXPECT_EQ(module.counters().firmwareBlocks, 3u);
    EXPECT_EQ(module.counters().blocksRejected, 1u);
    EXPECT_EQ(Bytes(module.memory().begin(), module.memory().end()), memoryBefore);
}

TEST(Z4Upload, FirmwareByRawBlocksAcksTheBlockNumbersAndEndsAfter255) {
    Z4FamilyModel module(71, 30);
    module.receive(announceUpload(Z4FamilyModel::kFirmwarePage), 0ms);
    EXPECT_EQ(sent(module), Bytes{0x00});
    SimTime at = 10ms;
    for (std::size_t k = 0; k < 255; ++k, at += 300ms) {
        // Firmware is full of 0xFF: no end mark for it.
        const Bytes block = k % 2 ? pattern(256, static_cast<uint8_t>(k)) : Bytes(256, 0xFF);
        module.receive(block, at);
        ASSERT_EQ(sent(module), Bytes{static_cast<uint8_t>(k)}) << "block " << k;
        ASSERT_EQ(flashPage(module, 0x3E00 + k), block) << "block " << k;
    }
    EXPECT_EQ(module.counters().firmwareBlocks, 255u);
    EXPECT_EQ(module.counters().flashPagesWritten, 255u);
    // The FPGA start right after the last block is heard as a frame.
    EXPECT_FALSE(module.inUploadMode());
    module.receive(startFpga(), at);
    EXPECT_EQ(module.counters().fpgaStarts, 1u);
}

TEST(Z4Upload, FpgaStartRestartsTheModuleWithTheNewFirmware) {
    Z4FamilyModel module(71, 38);
    Z4Processor processor;
    processor.firmwareAfterFpga = 44;
    module.setProcessor(processor);
    const SimTime quiet = module.timing().restartQuiet;
    module.receive(startFpga(), 1s);
    EXPECT_TRUE(sent(module).empty());
    EXPECT_TRUE(module.frameLog().back().handled);
    // Quiet like a restart: the version query goes unanswered until it is over.
    module.receive(byteRead(0x00FE), SimTime{1s} + quiet - 1ms);
    EXPECT_TRUE(sent(module).empty());
    module.receive(byteRead(0x00FE), SimTime{1s} + quiet);
    EXPECT_EQ(sent(module), frame(0xAB, 0x00, 0xFE, 44));
    module.receive(identify(), SimTime{1s} + quiet);
    EXPECT_EQ(sent(module), frame(10, 2, 44, 1));
    EXPECT_EQ(module.counters().restarts, 0u);
}
