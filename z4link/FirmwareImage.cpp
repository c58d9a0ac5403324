#include "z4link/FirmwareImage.h"

namespace vardeck {
namespace {

constexpr int kCharsPerPair = 8;

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::optional<FirmwareBuffer> unpackFirmwareText(std::string_view text, std::string& reason) {
    FirmwareBuffer buffer;
    buffer.fill(0xFF);
    std::size_t stored = 0;
    std::size_t at = 0;
    while (stored < kFirmwareSize) {
        int digits[2];
        int found = 0;
        for (int examined = 0; found < 2 && examined < kCharsPerPair && at < text.size(); ++at) {
            const char c = text[at];
            if (static_cast<unsigned char>(c) < 32) continue;
            ++examined;
            const int v = hexValue(c);
            if (v >= 0) digits[found++] = v;
        }
        if (found < 2) break;
        buffer[stored++] = static_cast<uint8_t>(digits[0] << 4 | digits[1]);
    }
    if (stored < kFirmwareSize) {
        reason = "the firmware text holds " + std::to_string(stored) + " bytes instead of " +
                 std::to_string(kFirmwareSize);
        return std::nullopt;
    }
    return buffer;
}

}  // namespace vardeck

namespace vardeck {

std::string_view carriedFirmwareHexText();  // built from resources/firmware

CarriedFirmware carriedFirmware() { return {"4.3.5", 43, std::string(carriedFirmwareHexText()), true}; }

}  // namespace vardeck
