#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace vardeck::sim {

// The six-byte command and reply frame: four payload bytes, then 255 minus the
// frame sum, then the frame sum = (P0 + P1 + P2 + P3 - 1) mod 256.
inline constexpr std::size_t kFrameSize = 6;
using Frame = std::array<uint8_t, kFrameSize>;

constexpr uint8_t frameSum(uint8_t p0, uint8_t p1, uint8_t p2, uint8_t p3) {
    return static_cast<uint8_t>(p0 + p1 + p2 + p3 - 1);
}

constexpr Frame makeFrame(uint8_t p0, uint8_t p1, uint8_t p2, uint8_t p3) {
    const uint8_t sum = frameSum(p0, p1, p2, p3);
    return Frame{p0, p1, p2, p3, static_cast<uint8_t>(255 - sum), sum};
}

// True when the six bytes at `bytes` carry a correct sum and complement.
constexpr bool frameIsValid(const uint8_t* bytes) {
    const uint8_t sum = frameSum(bytes[0], bytes[1], bytes[2], bytes[3]);
    return bytes[5] == sum && bytes[4] == static_cast<uint8_t>(255 - sum);
}

// "AB 00 FF 46 ..." for logs and test messages.
std::string hexBytes(const uint8_t* bytes, std::size_t count);

}  // namespace vardeck::sim
