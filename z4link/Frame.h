#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace vardeck {

// The six-byte command and reply frame: four payload bytes P0..P3, then 255 minus
// the frame sum, then the frame sum = (P0 + P1 + P2 + P3 - 1) mod 256.
inline constexpr std::size_t kFrameSize = 6;
using Frame = std::array<uint8_t, kFrameSize>;

constexpr uint8_t frameSum(uint8_t p0, uint8_t p1, uint8_t p2, uint8_t p3) {
    return static_cast<uint8_t>(p0 + p1 + p2 + p3 - 1);
}

// Writes the complete frame (payload and both check bytes) to out[0..5].
constexpr void fillFrame(uint8_t* out, uint8_t p0, uint8_t p1, uint8_t p2, uint8_t p3) {
    const uint8_t sum = frameSum(p0, p1, p2, p3);
    out[0] = p0;
    out[1] = p1;
    out[2] = p2;
    out[3] = p3;
    out[4] = static_cast<uint8_t>(255 - sum);
    out[5] = sum;
}

constexpr Frame makeFrame(uint8_t p0, uint8_t p1, uint8_t p2, uint8_t p3) {
    Frame f{};
    fillFrame(f.data(), p0, p1, p2, p3);
    return f;
}

// How six received bytes fare against the frame checksum. The two failures are
// told apart because the search counts a wrong complement as a bad reply while a
// wrong sum is dropped silently.
enum class FrameCheck { Valid, WrongSum, WrongComplement };

constexpr FrameCheck checkFrame(const uint8_t* six) {
    const uint8_t sum = frameSum(six[0], six[1], six[2], six[3]);
    if (six[5] != sum) return FrameCheck::WrongSum;
    if (six[4] != static_cast<uint8_t>(255 - sum)) return FrameCheck::WrongComplement;
    return FrameCheck::Valid;
}

constexpr bool frameIsValid(const uint8_t* six) { return checkFrame(six) == FrameCheck::Valid; }

// Plain byte sum modulo 256, used by the block transfers (no "minus one" here).
constexpr uint8_t dataSum(const uint8_t* data, std::size_t count) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < count; ++i) sum += data[i];
    return static_cast<uint8_t>(sum);
}

// The two frames with which the device search probes the line. The first reads
// configuration byte 0x00FF; the answer's byte 3 names the device type.
inline constexpr Frame kIdentificationFrame = makeFrame(0x00, 0x00, 0xFF, 0x00);
// Sent between identification rounds; its answers are not used.
inline constexpr Frame kSecondProbeFrame = makeFrame(0xA0, 0xFE, 0x00, 0x00);

}  // namespace vardeck
