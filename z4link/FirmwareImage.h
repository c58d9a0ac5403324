#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vardeck {

// The module firmware as the program carries it: hexadecimal text, two digits a
// byte, unpacked into 256 blocks of 256 bytes.
inline constexpr std::size_t kFirmwareSize = 65536;
using FirmwareBuffer = std::array<uint8_t, kFirmwareSize>;

// Unpacks the text: characters below 32 (line breaks) are skipped, then two hex
// digits make a byte; at most 8 characters are looked at for each pair. Bytes past
// the buffer are never stored. Nothing when the text does not fill the whole buffer
// (a short or damaged text must not be flashed), with the reason.
std::optional<FirmwareBuffer> unpackFirmwareText(std::string_view text, std::string& reason);

// The firmware the program carries and its version (or a firmware text file the
// installer named in its place). There is no real module
// firmware in this build: the carried one is a stand-in image of our own, so a
// download shows the whole procedure without pretending to update anything.
struct CarriedFirmware {
    std::string versionText;  // "4.3.5"
    int version = 0;          // 43
    std::string hexText;
    bool standIn = false;
};
CarriedFirmware carriedFirmware();

}  // namespace vardeck
