#pragma once
// The commands a program sends to a Z-4 module, built byte for byte the way the
// link sends them, for the simulator tests.
#include "sim/DeviceModel.h"

#include <string>

namespace vardeck::sim::z4test {

inline Bytes frame(uint8_t p0, uint8_t p1, uint8_t p2, uint8_t p3) {
    const Frame f = makeFrame(p0, p1, p2, p3);
    return Bytes(f.begin(), f.end());
}

inline Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Everything the model has sent so far, in one piece.
inline Bytes sent(DeviceModel& model) {
    Bytes out;
    for (const Emission& e : model.takeEmissions()) out = out + e.bytes;
    return out;
}

inline Bytes byteRead(uint16_t address) { return frame(address >> 8, 0x00, address & 0xFF, 0x00); }
inline Bytes statusRead(uint16_t address) { return frame(address >> 8, 0x02, address & 0xFF, 0x00); }
inline Bytes byteWrite(uint16_t address, uint8_t data) { return frame(address >> 8, 0x01, address & 0xFF, data); }
inline Bytes largeRead(uint8_t unit16) { return frame(0x00, 0xF7, unit16, 0x00); }
inline Bytes smallRead(uint8_t block) { return frame(0x00, 0x40, block, 0x00); }
inline Bytes historyRead(uint8_t record) { return frame(0x00, 0x40, 0x00, record); }
inline Bytes eventRead(uint16_t record) { return frame(0x00, 0x08, record & 0xFF, record >> 8); }
inline Bytes monitorOn() { return frame(0x00, 0xFB, 0x01, 0x00); }
inline Bytes leaveMode() { return frame(0x00, 0xFB, 0x00, 0x00); }
inline Bytes closingFrame() { return frame(0x02, 0x02, 0x00, 0x00); }
inline Bytes restart() { return frame(0x00, 0xFF, 0xAA, 0x00); }
inline Bytes lifeSignalTest() { return frame(0x02, 0x04, 0x10, 0x01); }
inline Bytes announceUpload(uint16_t page) { return frame(0x00, 0xFA, page >> 8, page & 0xFF); }
inline Bytes identify() { return frame(0x00, 0xF8, 0x00, 0x00); }
inline Bytes startFpga() { return frame(0x00, 0xF9, 0xBB, 0x00); }

// 262 bytes: data sum, F6, address in 16-byte units, the 256 data bytes.
inline Bytes largeWrite(uint16_t unit16, const Bytes& data) {
    return frame(dataSum(data.data(), data.size()), 0xF6, unit16 >> 8, unit16 & 0xFF) + data;
}

// 39 bytes: the frame, the 32 data bytes, their data sum.
inline Bytes smallWrite(uint8_t block, const Bytes& data) {
    return frame(0x00, 0x80, block, 0x00) + data + Bytes{dataSum(data.data(), data.size())};
}

// 18 bytes: the frame and twelve ASCII digits YYMMDDhhmmss.
inline Bytes setClock(const std::string& digits) {
    return frame(0x00, 0xFC, 0x00, 0x00) + Bytes(digits.begin(), digits.end());
}

// `count` bytes that differ from block to block and never sum to a round value.
inline Bytes pattern(std::size_t count, uint8_t seed) {
    Bytes data(count);
    for (std::size_t i = 0; i < count; ++i) data[i] = static_cast<uint8_t>(seed + 7 * i);
    return data;
}

}  // namespace vardeck::sim::z4test
