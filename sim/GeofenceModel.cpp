#include "sim/GeofenceModel.h"

#include <algorithm>
#include <array>

namespace vardeck::sim {
namespace {

// One coordinate as the unit keeps it: value bytes lowest first, each followed by 0x0C.
void putCoordinate(std::span<uint8_t> memory, std::size_t address, int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) {
        memory[address + 2 * i] = static_cast<uint8_t>(bits >> (8 * i));
        memory[address + 2 * i + 1] = 0x0C;
    }
}

}  // namespace

// A unit fresh from the maker: no phone number, one window around Budapest in row 1
// and the other 63 rows 0.
GeofenceModel::GeofenceModel() : ByteMemoryModel(kTypeCode, kMemorySize) {
    memory()[kPhoneAddress] = '*';
    for (std::size_t a = kTableAddress; a < kTableAddress + kTableSize; a += 8) putCoordinate(memory(), a, 0);
    const std::array<int32_t, 4> budapest{474000, 189000, 476000, 193000};
    for (std::size_t i = 0; i < budapest.size(); ++i) putCoordinate(memory(), kTableAddress + 8 * i, budapest[i]);
    restoreOwnedBytes();
}

void GeofenceModel::restoreOwnedBytes() {
    ByteMemoryModel::restoreOwnedBytes();
    memory()[kVersionAddress] = kVersion;
}

bool GeofenceModel::onFrame(const Frame& frame) {
    if (frame[0] == 0x00 && frame[1] == kBlockRead) return handleBlockRead(frame);
    if (frame[0] == 0x00 && frame[1] == kBlockWrite) return handleBlockWrite(frame);
    return ByteMemoryModel::onFrame(frame);
}

bool GeofenceModel::handleBlockRead(const Frame& frame) {
    const std::size_t address = blockAddress(frame);
    if (!blockFits(address)) return false;
    Bytes reply(memory().begin() + static_cast<std::ptrdiff_t>(address),
                memory().begin() + static_cast<std::ptrdiff_t>(address + kBlockSize));
    reply.push_back(0x00);
    send(std::move(reply));
    return true;
}

bool GeofenceModel::handleBlockWrite(const Frame& frame) {
    const std::size_t address = blockAddress(frame);
    const Frame request = frame;
    expectRaw(kBlockSize + 1, kPayloadTimeout, [this, address, request](const Bytes& payload) {
        if (!blockFits(address)) return;
        storeBlock(address, payload);
        sendFrame(kAck, kBlockWrite, request[2], request[3]);
    });
    return blockFits(address);
}

void GeofenceModel::storeBlock(std::size_t address, const Bytes& payload) {
    for (std::size_t i = 0; i < kBlockSize; ++i) {
        if (!ownsAddress(static_cast<uint16_t>(address + i))) memory()[address + i] = payload[i];
    }
    recordWrite(WriteKind::Block64, static_cast<uint16_t>(address), static_cast<uint16_t>(kBlockSize));
    restoreOwnedBytes();
}

}  // namespace vardeck::sim
