#include "sim/ByteMemoryModel.h"

#include <algorithm>

namespace vardeck::sim {

ByteMemoryModel::ByteMemoryModel(int typeCode, std::size_t memorySize)
    : DeviceModel(typeCode, memorySize) {
    restoreOwnedBytes();
}

void ByteMemoryModel::restoreOwnedBytes() {
    if (memory().size() > kTypeCodeAddress) memory()[kTypeCodeAddress] = static_cast<uint8_t>(typeCode());
    for (const auto& [address, value] : stuck_)
        if (address < memory().size()) memory()[address] = value;
}

void ByteMemoryModel::setStuck(uint16_t address, uint8_t value) {
    stuck_[address] = value;
    restoreOwnedBytes();
}

bool ByteMemoryModel::onFrame(const Frame& frame) {
    switch (frame[1]) {
        case kReadByte: return handleByteRead(frame);
        case kWriteByte: return handleByteWrite(frame);
        default: return false;
    }
}

bool ByteMemoryModel::handleByteRead(const Frame& frame) {
    const uint16_t address = frameAddress(frame);
    if (address >= memory().size()) return false;
    sendFrame(kAck, kReadByte, frame[2], memory()[address]);
    return true;
}

bool ByteMemoryModel::handleByteWrite(const Frame& frame) {
    const uint16_t address = frameAddress(frame);
    if (address >= memory().size()) return false;
    if (!ownsAddress(address)) memory()[address] = frame[3];
    recordWrite(WriteKind::Byte, address, 1);
    // A stuck byte answers as if written, then keeps its value.
    const bool stuck = stuck_.count(address) != 0;
    const uint8_t answered = stuck ? frame[3] : memory()[address];
    restoreOwnedBytes();
    sendFrame(kAck, kWriteByte, frame[2], answered);
    return true;
}

void ByteMemoryModel::recordWrite(WriteKind kind, uint16_t address, uint16_t length) {
    writes_.push_back(MemoryWrite{now(), kind, address, length});
}

std::vector<uint16_t> ByteMemoryModel::writtenAddresses() const {
    std::vector<uint16_t> addresses;
    for (const MemoryWrite& w : writes_) {
        for (uint32_t a = w.address; a < uint32_t{w.address} + w.length; ++a) {
            addresses.push_back(static_cast<uint16_t>(a));
        }
    }
    std::sort(addresses.begin(), addresses.end());
    addresses.erase(std::unique(addresses.begin(), addresses.end()), addresses.end());
    return addresses;
}

bool ByteMemoryModel::wasWritten(uint16_t address) const {
    return std::any_of(writes_.begin(), writes_.end(), [address](const MemoryWrite& w) {
        return address >= w.address && address < uint32_t{w.address} + w.length;
    });
}

}  // namespace vardeck::sim
