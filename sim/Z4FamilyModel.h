#pragma once
#include "sim/ByteMemoryModel.h"

#include <optional>
#include <string>
#include <vector>

namespace vardeck::sim {

// How long the module takes for things that take time.
struct Z4Timing {
    // After the restart frame the module answers nothing for this long.
    SimTime restartQuiet = std::chrono::seconds(2);
    // A block's data or the clock digits must have arrived this long after
    // their frame. Shorter than the program's shortest repeat of such a frame
    // (about 0.45 s), so a repeated frame after a lost tail is framed afresh;
    // longer than 262 bytes take at 9600 bit/s.
    SimTime payloadTimeout = std::chrono::milliseconds(400);
};

// The clock digits of one accepted clock-setting frame.
struct ClockSetting {
    SimTime at;
    std::string digits;  // YYMMDDhhmmss as sent
};

// A module of the Z-4 family (Z-4, T-RIX, Z-1, Z-GPS, Z-CID): 8192 bytes of
// configuration memory, a separate status memory, its type code at 0x00FF and
// its firmware version number in tenths at 0x00FE (43 = version 4.3). Both of
// those bytes belong to the module; every other byte, 75 and the company text
// at 384-399 included, is the program's to write.
//
// Commands (P0 P1 P2 P3, then the extra bytes):
//   hi 00 lo 00              byte read        -> AB 00 lo data
//   hi 02 lo 00              status byte read -> AB 02 lo data
//   hi 01 lo d               byte write       -> AB 01 lo data-kept
//   00 F7 p 00               256 bytes from 16 x p -> the bytes, then their sum
//   sum F6 hi lo + 256 bytes 256 bytes to 16 x (hi lo) -> one byte, the data sum
//   00 40 n 00               32 bytes from 32 x n (code 100) -> AB 40 n 00 frame,
//                            the bytes, their sum (39 bytes)
//   00 80 b 00 + 32 + sum    32 bytes to 32 x b, b 32-255 (code 100) -> AB b b 00
//   00 FC 00 00 + 12 digits  set the clock -> AB AA 00 00
//   00 FF AA 00              restart: no answer, deaf for a while
//   02 04 10 01              send a life-signal test report: no answer
// A block whose data sum is wrong is not stored and not acknowledged.
class Z4FamilyModel : public ByteMemoryModel {
public:
    static constexpr std::size_t kMemorySize = 8192;
    static constexpr uint16_t kFirmwareAddress = 0x00FE;
    static constexpr int kDefaultFirmware = 43;
    static constexpr int kContactIdModelCode = 100;
    static constexpr std::size_t kLargeBlock = 256;
    static constexpr std::size_t kSmallBlock = 32;
    static constexpr std::size_t kClockDigits = 12;
    // The lowest 32-byte block a small-block write may store: the Contact ID
    // area above the byte-wise settings.
    static constexpr int kFirstWritableSmallBlock = 32;

    struct Counters {
        std::size_t restarts = 0;
        std::size_t lifeSignalTests = 0;
        std::size_t clockSettings = 0;
        std::size_t blocksStored = 0;
        std::size_t blocksRejected = 0;  // wrong data sum or outside the memory
    };

    explicit Z4FamilyModel(int typeCode, int firmware = kDefaultFirmware, Z4Timing timing = {});

    static bool isFamilyCode(int code);
    int firmware() const { return firmware_; }
    std::string description() const override;
    const Z4Timing& timing() const { return timing_; }

    std::span<uint8_t> statusMemory() { return status_; }
    std::span<const uint8_t> statusMemory() const { return status_; }

    // The latest clock setting the module accepted, if any.
    const std::optional<ClockSetting>& lastClockSetting() const { return lastClock_; }
    const Counters& counters() const { return counters_; }
    // True while the module is restarting and deaf to everything.
    bool restarting() const { return now() < quietUntil_; }

protected:
    bool onFrame(const Frame& frame) override;
    bool ownsAddress(uint16_t address) const override;
    void restoreOwnedBytes() override;

private:
    bool handleStatusRead(const Frame& frame);
    bool handleLifeSignalTest(const Frame& frame);
    bool handleRestart(const Frame& frame);
    bool handleSetClock(const Frame& frame);
    void acceptClockDigits(const Bytes& digits);

    // Block transfers (Z4BlockTransfers.cpp).
    bool handleLargeBlockRead(const Frame& frame);
    bool handleLargeBlockWrite(const Frame& frame);
    void storeLargeBlock(uint8_t expectedSum, std::size_t offset, bool inMemory, const Bytes& data);
    bool handleSmallBlockRead(const Frame& frame);
    bool handleSmallBlockWrite(const Frame& frame);
    void storeSmallBlock(uint8_t block, const Bytes& dataAndSum);
    void storeBlock(WriteKind kind, std::size_t offset, const uint8_t* data, std::size_t count);

    int firmware_;
    Z4Timing timing_;
    std::vector<uint8_t> status_;
    std::optional<ClockSetting> lastClock_;
    Counters counters_;
    SimTime quietUntil_{0};
};

}  // namespace vardeck::sim
