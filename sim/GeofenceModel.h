#pragma once
#include "sim/ByteMemoryModel.h"

namespace vardeck::sim {

// The GPS geofence unit (code 61): a phone number in bytes 30-46 and a table of
// 64 position windows in pages 114-121, moved in 64-byte blocks.
//   byte read and write:  as ByteMemoryModel (00 00 FE 00 reads the software version)
//   block read:   00 40 page offset  -> the 64 bytes from page * 256 + offset, then one
//                                       byte the program does not use (0)
//   block write:  00 80 page offset, then 64 bytes and one byte 0
//                                    -> AB 80 page offset once the 65 bytes are in
// A block outside the memory gets no answer (its write payload is still taken, so
// that data is never mistaken for frames).
class GeofenceModel : public ByteMemoryModel {
public:
    static constexpr int kTypeCode = 61;
    static constexpr std::size_t kMemorySize = 32768;
    static constexpr uint16_t kVersionAddress = 0x00FE;
    static constexpr uint8_t kVersion = 4;
    static constexpr uint16_t kPhoneAddress = 30;
    static constexpr std::size_t kTableAddress = 114 * 256;
    static constexpr std::size_t kTableSize = 2048;
    static constexpr std::size_t kBlockSize = 64;
    static constexpr uint8_t kBlockRead = 0x40;
    static constexpr uint8_t kBlockWrite = 0x80;
    static constexpr SimTime kPayloadTimeout = std::chrono::milliseconds(400);

    GeofenceModel();
    std::string description() const override { return "GPS geofence unit, code 61"; }

protected:
    bool onFrame(const Frame& frame) override;
    bool ownsAddress(uint16_t address) const override {
        return address == kVersionAddress || ByteMemoryModel::ownsAddress(address);
    }
    void restoreOwnedBytes() override;

private:
    bool handleBlockRead(const Frame& frame);
    bool handleBlockWrite(const Frame& frame);
    void storeBlock(std::size_t address, const Bytes& payload);
    static std::size_t blockAddress(const Frame& frame) { return std::size_t{frame[2]} * 256 + frame[3]; }
    bool blockFits(std::size_t address) const { return address + kBlockSize <= memory().size(); }
};

}  // namespace vardeck::sim
