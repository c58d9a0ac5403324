// The Z-4 module's block transfers: 256-byte blocks for the whole family, and
// 32-byte blocks for the Contact ID model (code 100), whose Contact ID tables
// fill the memory above 1024.
#include "sim/Z4FamilyModel.h"

#include "z4link/CommandCodes.h"

#include <algorithm>

namespace vardeck::sim {

namespace {

// Block addresses count in units of this many bytes.
constexpr std::size_t kLargeBlockUnit = 16;

}  // namespace

bool Z4FamilyModel::handleLargeBlockRead(const Frame& frame) {
    const std::size_t offset = kLargeBlockUnit * frame[2];
    // The highest block address (255) still ends inside the 8192 bytes.
    const uint8_t* block = memory().data() + offset;
    Bytes reply(block, block + kLargeBlock);
    reply.push_back(dataSum(block, kLargeBlock));
    send(std::move(reply));
    return true;
}

bool Z4FamilyModel::handleLargeBlockWrite(const Frame& frame) {
    const std::size_t address = std::size_t{frame[2]} << 8 | frame[3];
    // From the firmware area on, the address is a flash page (Z4Uploads.cpp).
    if (address >= kFirmwarePage) return handleFirmwarePageWrite(frame);
    const std::size_t offset = kLargeBlockUnit * address;
    const bool inMemory = offset + kLargeBlock <= memory().size();
    const uint8_t expectedSum = frame[0];
    // The data follows whatever the address: it must not be mistaken for frames.
    expectRaw(kLargeBlock, timing_.payloadTimeout, [this, expectedSum, offset, inMemory](const Bytes& data) {
        storeLargeBlock(expectedSum, offset, inMemory, data);
    });
    return inMemory;
}

void Z4FamilyModel::storeLargeBlock(uint8_t expectedSum, std::size_t offset, bool inMemory, const Bytes& data) {
    if (!inMemory || dataSum(data.data(), data.size()) != expectedSum) {
        ++counters_.blocksRejected;
        return;
    }
    storeBlock(WriteKind::Block256, offset, data.data(), data.size());
    // The one-byte acknowledgement is the block's data sum: the configuration
    // write takes any byte, the page-wise firmware write wants exactly this one.
    send(Bytes{expectedSum});
}

bool Z4FamilyModel::handleSmallBlockRead(const Frame& frame) {
    // The same command with P3 set reads a signal-history record, not a block.
    if (frame[3] != 0) return handleHistoryRead(frame);
    if (typeCode() != kContactIdModelCode) return false;
    const uint8_t block = frame[2];
    const uint8_t* data = memory().data() + kSmallBlock * block;
    const Frame header = makeFrame(kAck, z4cmd::kReadSmallBlock, block, 0x00);
    Bytes reply(header.begin(), header.end());
    reply.insert(reply.end(), data, data + kSmallBlock);
    reply.push_back(dataSum(data, kSmallBlock));
    send(std::move(reply));
    return true;
}

bool Z4FamilyModel::handleSmallBlockWrite(const Frame& frame) {
    if (typeCode() != kContactIdModelCode) return false;
    const uint8_t block = frame[2];
    expectRaw(kSmallBlock + 1, timing_.payloadTimeout,
              [this, block](const Bytes& dataAndSum) { storeSmallBlock(block, dataAndSum); });
    return block >= kFirstWritableSmallBlock;
}

void Z4FamilyModel::storeSmallBlock(uint8_t block, const Bytes& dataAndSum) {
    const uint8_t sum = dataAndSum[kSmallBlock];
    if (block < kFirstWritableSmallBlock || dataSum(dataAndSum.data(), kSmallBlock) != sum) {
        ++counters_.blocksRejected;
        return;
    }
    storeBlock(WriteKind::Block32, kSmallBlock * block, dataAndSum.data(), kSmallBlock);
    sendFrame(kAck, block, block, 0x00);
}

void Z4FamilyModel::storeBlock(WriteKind kind, std::size_t offset, const uint8_t* data, std::size_t count) {
    std::copy_n(data, count, memory().begin() + static_cast<std::ptrdiff_t>(offset));
    // A block over the module's own bytes leaves them as they were.
    restoreOwnedBytes();
    recordWrite(kind, static_cast<uint16_t>(offset), static_cast<uint16_t>(count));
    ++counters_.blocksStored;
}

}  // namespace vardeck::sim
