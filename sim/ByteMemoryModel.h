#pragma once
#include "sim/DeviceModel.h"

#include <map>
#include <vector>

namespace vardeck::sim {

// How a write reached the device's memory.
enum class WriteKind { Byte, Block32, Block64, Block256 };

// One write the device took from the program: `length` bytes from `address`.
// Writes to bytes the device keeps for itself are recorded too (the program did
// send them), although the memory keeps the device's own value there.
struct MemoryWrite {
    SimTime at;
    WriteKind kind;
    uint16_t address;
    uint16_t length;
};

// A device whose memory the program reads and writes one byte a frame:
//   read:  address hi, 00, address lo, 00    -> AB 00 address-lo data
//   write: address hi, 01, address lo, data  -> AB 01 address-lo data-now-stored
// Every device of the family keeps its type code at address 0x00FF, so the
// identification frame 00 00 FF 00 is simply a read of that byte. Addresses
// beyond the memory get no answer, as a device ignores what it cannot serve.
class ByteMemoryModel : public DeviceModel {
public:
    static constexpr uint8_t kAck = 0xAB;
    static constexpr uint16_t kTypeCodeAddress = 0x00FF;
    static constexpr uint8_t kReadByte = 0x00;
    static constexpr uint8_t kWriteByte = 0x01;

    ByteMemoryModel(int typeCode, std::size_t memorySize);

    void memoryLoaded() override { restoreOwnedBytes(); }

    // The writes the device took, oldest first (cleared with the frame log).
    const std::vector<MemoryWrite>& memoryWrites() const { return writes_; }
    // Every address some write reached, ascending, each once.
    std::vector<uint16_t> writtenAddresses() const;
    bool wasWritten(uint16_t address) const;

protected:
    bool onFrame(const Frame& frame) override;
    void clearHistory() override { writes_.clear(); }
    // Bytes the device keeps for itself: writes leave them as they are.
    virtual bool ownsAddress(uint16_t address) const { return address == kTypeCodeAddress; }
public:
    // A fault of the memory: writes to `address` are acknowledged as written, but the
    // byte keeps `value` (a silent corruption, for verify-after-write).
    void setStuck(uint16_t address, uint8_t value);
protected:
    // Puts the device's own bytes back after the memory was replaced.
    virtual void restoreOwnedBytes();

    bool handleByteRead(const Frame& frame);
    bool handleByteWrite(const Frame& frame);
    void recordWrite(WriteKind kind, uint16_t address, uint16_t length);
    static uint16_t frameAddress(const Frame& frame) {
        return static_cast<uint16_t>(frame[0] << 8 | frame[2]);
    }

private:
    std::vector<MemoryWrite> writes_;
    std::map<uint16_t, uint8_t> stuck_;
};

}  // namespace vardeck::sim
