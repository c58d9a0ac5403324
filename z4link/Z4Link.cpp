#include "z4link/Z4Link.h"

#include <algorithm>

#include "serial/CommChannel.h"
#include "z4link/CommandCodes.h"
#include "z4link/Frame.h"
#include "z4link/ReplyChecks.h"

namespace vardeck {
namespace {

uint8_t hi(uint16_t v) { return static_cast<uint8_t>(v >> 8); }
uint8_t lo(uint16_t v) { return static_cast<uint8_t>(v & 0xFF); }

// Two ASCII digits of the last two decimal places of a clock field.
void putTwoDigits(uint8_t* out, int value) {
    const int v = ((value % 100) + 100) % 100;
    out[0] = static_cast<uint8_t>('0' + v / 10);
    out[1] = static_cast<uint8_t>('0' + v % 10);
}

}  // namespace

void Z4Link::putHeader(uint8_t p0, uint8_t p1, uint8_t p2, uint8_t p3) {
    fillFrame(send_.data(), p0, p1, p2, p3);
}

void Z4Link::writeFrame(int length) {
    channel_.Write(send_.data(), length);
    rx_.reset();
}

void Z4Link::sendCommandFrame(uint8_t p0, uint8_t p1, uint8_t p2, uint8_t p3) {
    putHeader(p0, p1, p2, p3);
    writeFrame(static_cast<int>(kFrameSize));
}

void Z4Link::sendByteRead(uint16_t address) {
    sendCommandFrame(hi(address), readSelector_, lo(address), 0);
}

void Z4Link::sendByteWrite(uint16_t address, uint8_t data) {
    sendCommandFrame(hi(address), z4cmd::kWriteConfigByte, lo(address), data);
}

void Z4Link::sendBlockFrame(uint8_t p0, uint8_t p1, uint8_t p2, uint8_t p3, const uint8_t* data,
                            int size) {
    uint8_t* body = send_.data() + kFrameSize;
    if (size == kSmallBlockSize) {
        putHeader(p0, p1, p2, p3);
        std::copy_n(data, kSmallBlockSize, body);
        body[kSmallBlockSize] = dataSum(data, kSmallBlockSize);
        writeFrame(kSmallBlockFrameSize);
    } else if (size == kLargeBlockSize) {
        // The data sum travels as P0, so it is known before the frame sum is made.
        putHeader(dataSum(data, kLargeBlockSize), p1, p2, p3);
        std::copy_n(data, kLargeBlockSize, body);
        writeFrame(kLargeBlockFrameSize);
    }
}

void Z4Link::sendSmallBlockWrite(uint8_t block, const uint8_t* data32) {
    sendBlockFrame(0x00, z4cmd::kWriteSmallBlock, block, 0x00, data32, kSmallBlockSize);
}

void Z4Link::sendLargeBlockWrite(uint16_t address, const uint8_t* data256) {
    sendBlockFrame(0x00, z4cmd::kWriteLargeBlock, hi(address), lo(address), data256, kLargeBlockSize);
}

void Z4Link::sendRawBlock(const uint8_t* data256) {
    std::copy_n(data256, kLargeBlockSize, send_.begin());
    channel_.Write(send_.data(), kLargeBlockSize);
}

void Z4Link::sendAtLine(std::string_view line) {
    channel_.Write(reinterpret_cast<const uint8_t*>(line.data()), static_cast<int>(line.size()));
    rx_.reset();
}

void Z4Link::sendSmallBlockRead(uint8_t block) {
    sendCommandFrame(0x00, z4cmd::kReadSmallBlock, block, 0x00);
}

void Z4Link::sendRecordRead(uint8_t record) {
    sendCommandFrame(0x00, z4cmd::kReadSmallBlock, 0x00, record);
}

void Z4Link::sendLargeBlockRead(uint8_t blockAddress) {
    sendCommandFrame(0x00, z4cmd::kReadLargeBlock, blockAddress, 0x00);
}

void Z4Link::sendEventRecordRead(uint16_t record) {
    sendCommandFrame(0x00, z4cmd::kReadEventRecord, lo(record), hi(record));
}

void Z4Link::sendUploadAnnounce(uint16_t page) {
    sendCommandFrame(0x00, z4cmd::kAnnounceUpload, hi(page), lo(page));
}

void Z4Link::sendIdentify() { sendCommandFrame(0x00, z4cmd::kIdentify, 0x00, 0x00); }
void Z4Link::sendStartFpga() { sendCommandFrame(0x00, z4cmd::kStartFpga, 0xBB, 0x00); }
void Z4Link::sendMonitorMode() { sendCommandFrame(0x00, z4cmd::kModeSwitch, 0x01, 0x00); }
void Z4Link::sendLeaveMode() { sendCommandFrame(0x00, z4cmd::kModeSwitch, 0x00, 0x00); }
void Z4Link::sendClosingFrame() { sendCommandFrame(0x02, 0x02, 0x00, 0x00); }
void Z4Link::sendGsmModemMode(uint8_t imageByte) {
    sendCommandFrame(0x00, z4cmd::kGsmModem, 0x00, imageByte);
}
void Z4Link::sendRestart() { sendCommandFrame(0x00, z4cmd::kRestart, 0xAA, 0x00); }
void Z4Link::sendLifeSignalTest() { sendCommandFrame(0x02, z4cmd::kLifeSignalTest, 0x10, 0x01); }

void Z4Link::sendClock(const ModuleClockTime& t) {
    putHeader(0x00, z4cmd::kSetClock, 0x00, 0x00);
    uint8_t* digits = send_.data() + kFrameSize;
    const int fields[] = {t.year, t.month, t.day, t.hour, t.minute, t.second};
    for (int f : fields) {
        putTwoDigits(digits, f);
        digits += 2;
    }
    writeFrame(kClockFrameSize);
}

bool Z4Link::validateReplyFrame() {
    switch (inspectSixByteReply(rx_)) {
        case SixByteReply::Valid: return true;
        case SixByteReply::Rejected: rx_.reset(); return false;
        default: return false;
    }
}

}  // namespace vardeck
