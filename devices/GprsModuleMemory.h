#pragma once
#include <array>
#include <cstdint>

namespace vardeck::devices::gprsmodule {

// The module's settings as the screen moves them, byte by byte. The first area
// (addresses 0-19) holds the life-signal period (0-1, high byte first), the
// line-simulator mode (2) and the client-code mode (3, 1 automatic). The second
// area starts at address 256: the client code (four digit bytes) and twenty
// Contact ID codes of eleven digit bytes each.
inline constexpr int kFirstAreaAddress = 0;
inline constexpr int kFirstAreaReadCount = 20;
inline constexpr int kFirstAreaWriteCount = 4;
inline constexpr int kSecondAreaAddress = 256;
inline constexpr int kSecondAreaReadCount = 255;
inline constexpr int kSecondAreaWriteCount = 246;

inline constexpr int kPeriodHigh = 0;
inline constexpr int kPeriodLow = 1;
inline constexpr int kLineSimulator = 2;
inline constexpr int kClientCodeMode = 3;
inline constexpr uint8_t kAutomaticClientCode = 1;
inline constexpr uint8_t kTypedClientCode = 0;

inline constexpr int kClientCodePosition = 0;  // in the second area
inline constexpr int kClientCodeLength = 4;
inline constexpr int kCodeLength = 11;
// A code's first byte at or above this marks it switched off; writing a switched-off
// code adds kSwitchedOff to its first byte.
inline constexpr uint8_t kFirstOffByte = 127;
inline constexpr uint8_t kSwitchedOff = 128;

// The working copy: the first area is read into its start, the second area into
// all of it (position p is address 256 + p), overwriting the first.
using WorkingCopy = std::array<uint8_t, kSecondAreaReadCount>;

// Where in the second area the code of CheckBox(i + 1) and Edit(i + 2) lies. The
// two codes at 180 and 191 have no control: a write sends them back as last read.
inline constexpr std::array<int, 20> kCodePositions{
    4,   15,  26,  37,  48,  59,  70,  81,   // inputs 1-8, alarm
    202, 224,                                // tamper and telephone line, alarm
    92,  103, 114, 125, 136, 147, 158, 169,  // inputs 1-8, restore
    213, 235,                                // tamper and telephone line, restore
};

// The life-signal period's list item for the period in seconds: up to 180 s one
// minute, up to 3000 s ten minutes, above that one hour.
int periodItem(int seconds);
// The seconds written for a list item (60, 600, 3600); -1 for an item outside the list.
int periodSeconds(int item);

inline bool codeIsOn(uint8_t firstByte) { return firstByte < kFirstOffByte; }

}  // namespace vardeck::devices::gprsmodule
