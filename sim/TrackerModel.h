#pragma once
#include "sim/ByteMemoryModel.h"

namespace vardeck::sim {

// The GPRS tracker (code 60). It talks at 4800 bit/s. Its settings are bytes
// 0-254, read and written one byte a frame; the old format moves a 64-byte block
// addressed by a 256-byte page and an offset in it:
//   block read:  00 40 page offset          -> 64 data bytes, their data sum
//   block write: 00 80 page offset, 64 data bytes, their data sum
//                                           -> AB 80 page offset
// A block that does not lie inside the memory, or written with a wrong data sum,
// gets no answer, so the program asks again.
class TrackerModel : public ByteMemoryModel {
public:
    static constexpr int kTypeCode = 60;
    // Room for page 98 (0x6200), where the old format keeps the server address.
    static constexpr std::size_t kMemorySize = 32768;
    static constexpr uint8_t kReadBlock = 0x40;
    static constexpr uint8_t kWriteBlock = 0x80;
    static constexpr std::size_t kBlockSize = 64;
    static constexpr uint8_t kAddressPage = 98;

    TrackerModel();
    std::string description() const override { return "GPRS tracker, code 60"; }

    // The address of a block: page × 256 + offset.
    static std::size_t blockAddress(uint8_t page, uint8_t offset) { return std::size_t{page} * 256 + offset; }
    // How many blocks the device stored (cleared with the frame log).
    std::size_t blocksStored() const { return blocksStored_; }

protected:
    bool onFrame(const Frame& frame) override;
    void clearHistory() override;

private:
    bool blockFits(std::size_t address) const { return address + kBlockSize <= memory().size(); }
    bool handleBlockRead(const Frame& frame);
    bool handleBlockWrite(const Frame& frame);
    void storeBlock(std::size_t address, uint8_t page, uint8_t offset, const Bytes& dataAndSum);
    void writeFactorySettings();

    std::size_t blocksStored_ = 0;
};

}  // namespace vardeck::sim
