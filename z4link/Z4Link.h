#pragma once
#include <array>
#include <cstdint>
#include <string_view>

#include "z4link/ReceiveBuffer.h"

namespace vardeck {

class CommChannel;

// Date and time for the module clock; each field goes out as two ASCII digits
// (the year as its last two).
struct ModuleClockTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The Z-4 screen's link to the module: the one send buffer, the one receive buffer
// and the read selector, writing through the screen's serial channel. Frames are
// assembled in place in the send buffer and written in one call of exactly their
// length; every frame send (not a raw block) resets the receive buffer.
class Z4Link {
public:
    static constexpr int kSendBufferSize = 262;  // the largest frame, a 256-byte block write
    static constexpr int kSmallBlockSize = 32;
    static constexpr int kLargeBlockSize = 256;
    static constexpr int kSmallBlockFrameSize = 39;
    static constexpr int kLargeBlockFrameSize = 262;
    static constexpr int kClockFrameSize = 18;

    explicit Z4Link(CommChannel& channel) : channel_(channel) {}

    // Read selector: 0 reads configuration memory, 2 (kReadStatusByte) status memory.
    void setReadSelector(uint8_t selector) { readSelector_ = selector; }
    uint8_t readSelector() const { return readSelector_; }

    // --- Frames ---------------------------------------------------------------
    void sendCommandFrame(uint8_t p0, uint8_t p1, uint8_t p2, uint8_t p3);
    void sendByteRead(uint16_t address);                 // P1 = read selector
    void sendByteWrite(uint16_t address, uint8_t data);  // P1 = 01
    // 32-byte block write (code 80): header 00 80 block 00, the data, their data sum.
    void sendSmallBlockWrite(uint8_t block, const uint8_t* data32);
    // 256-byte block write (code F6): P0 is the data sum of the block, P2/P3 the
    // address (configuration: 16 x block number; firmware: page number).
    void sendLargeBlockWrite(uint16_t address, const uint8_t* data256);
    // A block frame with a caller-made header: 32 data bytes are followed by their
    // data sum; for 256 data bytes the data sum replaces p0. Other sizes send nothing.
    void sendBlockFrame(uint8_t p0, uint8_t p1, uint8_t p2, uint8_t p3, const uint8_t* data, int size);
    // 256 bytes without header or checksum (page-wise uploads). Does not touch the
    // receive buffer.
    void sendRawBlock(const uint8_t* data256);
    // A modem line, exactly the given bytes (the caller adds CR or CR LF).
    void sendAtLine(std::string_view line);

    void sendSmallBlockRead(uint8_t block);          // 00 40 block 00, 39-byte reply
    void sendRecordRead(uint8_t record);             // 00 40 00 record, 65-byte reply
    void sendLargeBlockRead(uint8_t blockAddress);   // 00 F7 address 00, 257-byte reply
    void sendEventRecordRead(uint16_t record);       // 00 08 lo hi, 65-byte reply
    void sendUploadAnnounce(uint16_t page);          // 00 FA hi lo
    void sendIdentify();                             // 00 F8 00 00
    void sendStartFpga();                            // 00 F9 BB 00
    void sendMonitorMode();                          // 00 FB 01 00
    void sendLeaveMode();                            // 00 FB 00 00
    void sendClosingFrame();                         // 02 02 00 00
    void sendGsmModemMode(uint8_t imageByte);        // 00 FD 00 byte
    void sendRestart();                              // 00 FF AA 00
    void sendLifeSignalTest();                       // 02 04 10 01
    void sendClock(const ModuleClockTime& time);     // 00 FC 00 00 + 12 digits

    // --- Receiving ------------------------------------------------------------
    // The receive notification: appends the announced bytes (overflow dropped).
    void onRxChar(int count) { rx_.appendFrom(channel_, count); }
    ReceiveBuffer& rx() { return rx_; }
    const ReceiveBuffer& rx() const { return rx_; }
    void clearReceive() { rx_.clear(); }
    void resetReceive() { rx_.reset(); }
    // With exactly six bytes buffered: true for a valid frame; a frame with a wrong
    // checksum is rejected by resetting the buffer. Other fill counts give false
    // and change nothing.
    bool validateReplyFrame();

    const std::array<uint8_t, kSendBufferSize>& sendBuffer() const { return send_; }
    CommChannel& channel() { return channel_; }

private:
    void putHeader(uint8_t p0, uint8_t p1, uint8_t p2, uint8_t p3);
    void writeFrame(int length);  // writes send_[0..length) and resets the receive buffer

    CommChannel& channel_;
    std::array<uint8_t, kSendBufferSize> send_{};
    ReceiveBuffer rx_;
    uint8_t readSelector_ = 0;
};

}  // namespace vardeck
