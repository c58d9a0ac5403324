#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vardeck::devices {

// The tracker's settings as the screen keeps them: bytes 0-254 of its memory
// (the new format moves them one by one). Texts are UTF-8 on the screen and code
// page 1250 in the tracker, one byte a character.
inline constexpr std::size_t kTrackerImageSize = 255;
using TrackerImage = std::array<uint8_t, kTrackerImageSize>;

// The fields of the image the screen shows.
struct TrackerFields {
    bool sensorDisabled = false;  // byte 15: 1 disables the motion sensor
    std::string serverAddress;    // 160-174: "010.001.002.003"
    std::string port;             // 176-180: five characters
    std::string apn;              // 128-159: ended by 255 when shorter than 32
};

namespace trackerfield {
inline constexpr std::size_t kSensor = 15;
inline constexpr std::size_t kApn = 128;
inline constexpr std::size_t kApnWidth = 32;
inline constexpr std::size_t kAddress = 160;
inline constexpr std::size_t kAddressWidth = 15;
inline constexpr std::size_t kSeparator = 175;  // '/' between address and port
inline constexpr std::size_t kPort = 176;
inline constexpr std::size_t kPortWidth = 5;
}  // namespace trackerfield

// Reads the shown fields. A text ends at its first 255 (or 0, which no text of the
// tracker holds) or at the end of its slot.
TrackerFields decodeTrackerFields(const TrackerImage& image);
// Writes the shown fields and the '/' after the address; the other bytes stay.
// Texts longer than their slot are cut at the slot's end.
void encodeTrackerFields(const TrackerFields& fields, TrackerImage& image);

// The old format's 64-byte block: the server address sits in the data bytes 18,
// 20, ..., 46, one character in every second byte.
inline constexpr std::size_t kTrackerBlockSize = 64;
using TrackerBlock = std::array<uint8_t, kTrackerBlockSize>;
std::string blockServerAddress(const TrackerBlock& block);
// Puts up to 15 characters of `address` into the address bytes; the rest stay.
void putBlockServerAddress(std::string_view address, TrackerBlock& block);

}  // namespace vardeck::devices
