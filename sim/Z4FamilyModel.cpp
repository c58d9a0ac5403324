#include "sim/Z4FamilyModel.h"

namespace vardeck::sim {

Z4FamilyModel::Z4FamilyModel(int typeCode, int firmware)
    : ByteMemoryModel(typeCode, kMemorySize), firmware_(firmware) {
    restoreOwnedBytes();
}

bool Z4FamilyModel::isFamilyCode(int code) {
    return code == 70 || code == 71 || code == 80 || code == 90 || code == 100;
}

std::string Z4FamilyModel::description() const {
    return "Z-4 family module, code " + std::to_string(typeCode()) + ", firmware " +
           std::to_string(firmware_);
}

bool Z4FamilyModel::ownsAddress(uint16_t address) const {
    return address == kFirmwareAddress || ByteMemoryModel::ownsAddress(address);
}

void Z4FamilyModel::restoreOwnedBytes() {
    ByteMemoryModel::restoreOwnedBytes();
    memory()[kFirmwareAddress] = static_cast<uint8_t>(firmware_);
}

}  // namespace vardeck::sim
