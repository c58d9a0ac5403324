#include "sim/ByteMemoryModel.h"

namespace vardeck::sim {

ByteMemoryModel::ByteMemoryModel(int typeCode, std::size_t memorySize)
    : DeviceModel(typeCode, memorySize) {
    restoreOwnedBytes();
}

void ByteMemoryModel::restoreOwnedBytes() {
    if (memory().size() > kTypeCodeAddress) memory()[kTypeCodeAddress] = static_cast<uint8_t>(typeCode());
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
    sendFrame(kAck, kWriteByte, frame[2], memory()[address]);
    return true;
}

}  // namespace vardeck::sim
