#pragma once
#include "sim/ByteMemoryModel.h"
#include "sim/GsmModem.h"
#include "sim/Z4DiagnosticData.h"

#include <cstdint>
#include <optional>
#include <random>
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
    // The monitor text leaves at the line speed of 9600 bit/s (ten bits a byte)...
    SimTime monitorByteTime = std::chrono::microseconds(1042);
    // ...and starts again this long after its last byte.
    SimTime monitorPause = std::chrono::seconds(1);
    // A live status moves on this often.
    SimTime liveStatusPeriod = std::chrono::seconds(1);
    // The closing frame is taken as the first frame within this time after the
    // reply to the leave frame; later, 02 02 00 00 is a status read again.
    SimTime closingFrameWindow = std::chrono::seconds(2);
    // After an upload announcement or a complete upload block, the module takes
    // the next block for this long before it parses frames again. Longer than the
    // program's wait for a lost acknowledgement (120 ticks of 42 ms, about 5 s)
    // plus the 267 ms a block takes at 9600 bit/s. A block under way when the
    // time runs out is still awaited (payloadTimeout after its first byte).
    SimTime uploadIdleTimeout = std::chrono::seconds(6);
};

// What the module tells the identification frame (00 F8 00 00), and the firmware
// it runs after FPGA programming.
struct Z4Processor {
    static constexpr int kJ10 = 10;
    static constexpr int kJ11 = 11;
    int code = kJ10;             // 10 = J10, 11 = J11
    int hardware = 2;            // HW
    int boot = 1;                // BW
    int firmwareAfterFpga = 43;  // the version byte at 0x00FE after 00 F9 BB 00
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
//   sum F6 hi lo + 256 bytes 256 bytes to 16 x (hi lo), hi lo below 0x3E00 ->
//                            one byte, the data sum
//   00 40 n 00               32 bytes from 32 x n (code 100) -> AB 40 n 00 frame,
//                            the bytes, their sum (39 bytes)
//   00 80 b 00 + 32 + sum    32 bytes to 32 x b, b 32-255 (code 100) -> AB b b 00
//   00 FC 00 00 + 12 digits  set the clock -> AB AA 00 00
//   00 FF AA 00              restart: no answer, deaf for a while
//   02 04 10 01              send a life-signal test report: no answer
//   00 08 lo hi              event record lo + 256 x hi (1 first) -> the 64 bytes,
//                            their sum; a record beyond the log (or 0): 64 x FF, sum
//   00 40 00 128+r           signal-history record r (even, 0-126) = history bytes
//                            32 x r to 32 x r + 63 -> the 64 bytes, their sum;
//                            odd r: no answer
//   00 FB 01 00              monitor mode -> AB AC 01 00, then the monitor text
//                            streams at 9600 bit/s, again and again after a pause
//   00 FB 00 00              leave monitor or GSM modem mode -> AB AC 00 00, the
//                            text stops at once; outside both -> AB 02 00 00 (left
//                            directly)
//   02 02 00 00              closing frame after the leave reply: no answer
//                            (any other time it is the status read of byte 512)
//   00 FD 00 b               GSM modem mode (b: any byte) -> AB AC 00 00; ends
//                            monitor mode
//   00 F8 00 00              identification -> processor HW SW BW + check bytes
//                            (SW = firmware version; no AB marker)
//   00 F9 BB 00              start FPGA: no answer, deaf for the restart time,
//                            then the firmware version is firmwareAfterFpga
//   sum F6 hi lo + 256 bytes hi lo 0x3E00 and up: the 256 bytes into flash page
//                            hi lo (firmware area) -> one byte, the data sum
//   00 FA hi lo              page-wise upload into flash from page hi lo -> one
//                            byte (lo), then raw 256-byte blocks (Z4Uploads.cpp)
// A block whose data sum is wrong is not stored and not acknowledged. Frames are
// heard and answered while the monitor text streams; a restart ends monitor mode.
//
// In GSM modem mode (Z4ModemMode.cpp) the module passes every byte to its GSM
// modem (GsmModem) and the modem's answers back, and assembles no frames. It only
// watches the byte stream for the exact six bytes of the leave frame and of the
// restart frame, which end the mode as above (the leave frame's closing frame
// included). Bytes that began to look like one of them but turned out not to be
// go on to the modem; a partial frame waits for the byte that decides.
//
// With a live status (setLiveStatus) the status block moves once a second of
// simulated time: the signal strength (byte 3) wanders within 0 to 31, the GSM
// clock (bytes 5-8, hhmm) runs from its value when the live status began, and
// input 1 (bit 0 of byte 0) toggles every 5 seconds.
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
        std::size_t powerCycles = 0;
        std::size_t lifeSignalTests = 0;
        std::size_t clockSettings = 0;
        std::size_t blocksStored = 0;
        std::size_t blocksRejected = 0;  // wrong data sum or outside the memory
        std::size_t eventRecordsRead = 0;
        std::size_t historyRecordsRead = 0;
        std::size_t monitorEntered = 0;
        std::size_t monitorLeft = 0;       // by the leave frame or a restart
        std::size_t monitorBytesSent = 0;  // monitor text bytes sent
        std::size_t closingFrames = 0;
        std::size_t liveStatusTicks = 0;
        std::size_t modemEntered = 0;
        std::size_t modemLeft = 0;         // by the leave frame or a restart
        std::size_t modemBytesPassed = 0;  // bytes the modem received
        std::size_t uploadsAnnounced = 0;  // FA frames accepted
        std::size_t flashPagesWritten = 0; // by raw upload blocks and F6 firmware pages
        std::size_t firmwareBlocks = 0;    // firmware pages, by F6 frame or raw block
        std::size_t fpgaStarts = 0;
    };

    // Live status changes per tick of Z4Timing::liveStatusPeriod.
    static constexpr int kLiveInputToggleTicks = 5;
    // The monitor text leaves in pieces of at most this many bytes, each ending
    // at the latest after a line feed.
    static constexpr std::size_t kMonitorChunk = 16;

    // The flash memory that uploads go to: pages of 256 bytes, erased to 0xFF.
    static constexpr std::size_t kFlashPages = 16384;
    static constexpr std::size_t kFlashPageSize = 256;
    static constexpr std::size_t kFlashSize = kFlashPages * kFlashPageSize;  // 4 MiB
    // Firmware pages: F6 block frames from this page on go to the flash, and an
    // upload announced at this page is a firmware upload by raw blocks.
    static constexpr uint16_t kFirmwarePage = 0x3E00;
    // A firmware upload by raw blocks sends this many blocks (0 to 254).
    static constexpr std::size_t kFirmwareRawBlocks = 255;
    // The data image (2304 bytes) announced at page 0 comes in this many blocks.
    static constexpr std::size_t kDataImageBlocks = 9;

    explicit Z4FamilyModel(int typeCode, int firmware = kDefaultFirmware, Z4Timing timing = {});

    static bool isFamilyCode(int code);
    int firmware() const { return firmware_; }
    std::string description() const override;
    const Z4Timing& timing() const { return timing_; }

    std::span<uint8_t> statusMemory() { return status_; }
    std::span<const uint8_t> statusMemory() const { return status_; }

    // Status bytes from --status, the contents of files, live status: all at once.
    void setDiagnostics(const Z4Diagnostics& diagnostics);
    // Lets the status block move with the simulated time, from now on; the
    // wander of the signal follows `seed`.
    void setLiveStatus(bool live, uint32_t seed = 1);
    bool liveStatus() const { return live_.has_value(); }

    // The event log, 64 bytes a record, record 1 first (makeZ4EventLog() at start).
    void setEventLog(Bytes records);
    const Bytes& eventLog() const { return eventLog_; }
    std::size_t eventRecordCount() const { return eventLog_.size() / kZ4EventRecordSize; }
    // The 4096-byte signal-strength history (makeZ4History() at start).
    std::span<uint8_t> historyMemory() { return history_; }
    std::span<const uint8_t> historyMemory() const { return history_; }
    // The text the monitor mode streams (makeZ4MonitorText() at start).
    void setMonitorText(Bytes text) { monitorText_ = std::move(text); }
    const Bytes& monitorText() const { return monitorText_; }
    bool inMonitorMode() const { return monitor_.has_value(); }

    // The GSM modem with its SIM (phonebook, PIN, IMEI, balance text).
    GsmModem& gsmModem() { return modem_; }
    const GsmModem& gsmModem() const { return modem_; }
    bool inModemMode() const { return modemMode_; }

    // The latest clock setting the module accepted, if any.
    const std::optional<ClockSetting>& lastClockSetting() const { return lastClock_; }
    const Counters& counters() const { return counters_; }
    // True while the module is restarting and deaf to everything.
    bool restarting() const { return now() < quietUntil_; }

    // The 4 MiB flash (Z4Uploads.cpp): sounds, the data image, firmware pages.
    std::span<uint8_t> flash() { return flash_; }
    std::span<const uint8_t> flash() const { return flash_; }
    void setProcessor(const Z4Processor& processor) { processor_ = processor; }
    const Z4Processor& processor() const { return processor_; }
    int processorCode() const { return processor_.code; }
    // True between an accepted upload announcement and the end of its blocks.
    bool inUploadMode() const { return upload_.has_value(); }

protected:
    bool onFrame(const Frame& frame) override;
    void onTime() override;
    std::optional<SimTime> modelWakeup() const override;
    bool ownsAddress(uint16_t address) const override;
    void restoreOwnedBytes() override;
    void processInput() override;
    bool framingSuspended() const override { return modemMode_ || upload_.has_value(); }
    void clearHistory() override;
    void onPowerCycle() override;

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

    // Flash uploads, identification and FPGA start (Z4Uploads.cpp).
    bool handleIdentify(const Frame& frame);
    bool handleStartFpga(const Frame& frame);
    bool handleUploadAnnouncement(const Frame& frame);
    bool handleFirmwarePageWrite(const Frame& frame);
    void storeFirmwarePage(uint8_t expectedSum, std::size_t page, const Bytes& data);
    void takeUploadBlocks();
    void storeUploadBlock();
    void passUploadTime();
    std::optional<SimTime> uploadWakeup() const;
    void writeFlashPage(std::size_t page, const uint8_t* data);

    // Diagnostic operations (Z4Diagnostics.cpp).
    bool handleEventRecordRead(const Frame& frame);
    bool handleHistoryRead(const Frame& frame);
    bool handleModeSwitch(const Frame& frame);
    bool takeClosingFrame(const Frame& frame);
    void endMonitorMode();
    void streamMonitorText();
    void advanceLiveStatus();
    void liveStatusTick();

    // GSM modem mode (Z4ModemMode.cpp).
    bool handleGsmModem(const Frame& frame);
    void passInputToModem();
    void passModemTime();
    void forwardModemOutput();
    void endModemMode();

    struct MonitorStream {
        std::size_t position = 0;  // next text byte to send
        SimTime nextDue{0};        // when it may leave
    };
    // A page-wise upload under way: where the next block goes, what it is
    // answered with, and the block collected so far.
    enum class UploadKind { Sound, DataImage, FirmwareRaw };
    struct Upload {
        UploadKind kind = UploadKind::Sound;
        std::size_t nextPage = 0;
        uint8_t sequence = 0;         // acknowledgement of the next block (sound, data image)
        std::size_t blocks = 0;       // blocks taken so far
        Bytes block;                  // bytes of the block under way
        SimTime blockStarted{0};      // when its first byte came
        SimTime idleUntil{0};         // frames again if no block has begun by then
    };
    struct LiveStatus {
        std::mt19937 random;
        SimTime start{0};
        SimTime nextTick{0};
        long long ticks = 0;
        std::optional<int> clockStartMinutes;  // from the hhmm digits, if they were digits
    };

    int firmware_;
    Z4Timing timing_;
    std::vector<uint8_t> status_;
    std::optional<ClockSetting> lastClock_;
    Counters counters_;
    SimTime quietUntil_{0};
    Bytes eventLog_;
    Bytes history_;
    Bytes monitorText_;
    std::optional<MonitorStream> monitor_;
    std::optional<SimTime> closingFrameUntil_;
    std::optional<LiveStatus> live_;
    GsmModem modem_;
    bool modemMode_ = false;
    Bytes watched_;  // bytes in modem mode that may still become the leave or restart frame
    Z4Processor processor_;
    std::vector<uint8_t> flash_;
    std::optional<Upload> upload_;
};

}  // namespace vardeck::sim
