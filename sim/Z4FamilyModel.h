#pragma once
#include "sim/ByteMemoryModel.h"

namespace vardeck::sim {

// A module of the Z-4 family (Z-4, T-RIX, Z-1, Z-GPS, Z-CID): 8192 bytes of
// configuration memory, its type code at 0x00FF and its firmware version number
// in tenths at 0x00FE (43 = version 4.3). Both bytes belong to the module.
class Z4FamilyModel : public ByteMemoryModel {
public:
    static constexpr std::size_t kMemorySize = 8192;
    static constexpr uint16_t kFirmwareAddress = 0x00FE;
    static constexpr int kDefaultFirmware = 43;

    explicit Z4FamilyModel(int typeCode, int firmware = kDefaultFirmware);

    static bool isFamilyCode(int code);
    int firmware() const { return firmware_; }
    std::string description() const override;

protected:
    bool ownsAddress(uint16_t address) const override;
    void restoreOwnedBytes() override;

private:
    int firmware_;
};

}  // namespace vardeck::sim
