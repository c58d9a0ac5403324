#include "z4config/ImageEncodings.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "z4config/Cp1250.h"
#include "controls/Utf8.h"

namespace vardeck::z4config {

Bytes slotOf(Image& image, std::size_t offset, std::size_t width) {
    if (offset > image.size() || width > image.size() - offset) throw std::out_of_range("slot outside the image");
    return Bytes(image.data() + offset, width);
}

ConstBytes slotOf(const Image& image, std::size_t offset, std::size_t width) {
    if (offset > image.size() || width > image.size() - offset) throw std::out_of_range("slot outside the image");
    return ConstBytes(image.data() + offset, width);
}

std::uint8_t accentToImage(std::uint8_t byte) {
    switch (byte) {
        case 0xE1: return 0xE0;  // á
        case 0xE9: return 0xE8;  // é
        case 0xED: return 0xEC;  // í
        case 0xF3: return 0xF2;  // ó
        default: return byte;
    }
}

std::uint8_t accentFromImage(std::uint8_t byte) {
    switch (byte) {
        case 0xE0: return 0xE1;
        case 0xE8: return 0xE9;
        case 0xEC: return 0xED;
        case 0xF2: return 0xF3;
        default: return byte;
    }
}

namespace {
std::size_t lengthToEnd(ConstBytes slot) {
    return static_cast<std::size_t>(std::find(slot.begin(), slot.end(), kEnd) - slot.begin());
}

// Copies the bytes and ends them with 0xFF when they do not fill the slot.
void writeTerminated(Bytes slot, const std::vector<std::uint8_t>& bytes) {
    const std::size_t n = std::min(bytes.size(), slot.size());
    std::copy_n(bytes.begin(), n, slot.begin());
    if (n < slot.size()) slot[n] = kEnd;
}
}  // namespace

std::vector<std::uint8_t> terminatedTextBytes(std::string_view text) {
    std::vector<std::uint8_t> bytes = utf8ToCp1250(text);
    std::replace(bytes.begin(), bytes.end(), kEnd, kUnmappableByte);
    return bytes;
}

std::string readPhoneSlot(ConstBytes slot) { return cp1250ToUtf8(slot.data(), lengthToEnd(slot)); }

void writePhoneSlot(Bytes slot, std::string_view text, PhoneChars which) {
    std::vector<std::uint8_t> bytes = terminatedTextBytes(text);
    if (which == PhoneChars::Dialable) {
        auto stop = std::find_if(bytes.begin(), bytes.end(), [](std::uint8_t b) { return !((b >= '0' && b <= '9') || b == '+'); });
        bytes.erase(stop, bytes.end());
    }
    writeTerminated(slot, bytes);
}

std::string readTextSlot(Bytes slot) {
    const std::size_t n = lengthToEnd(slot);
    for (std::size_t i = 0; i < n; ++i) slot[i] = accentFromImage(slot[i]);
    if (n == 0) return " ";
    return cp1250ToUtf8(slot.data(), n);
}

void writeTextSlot(Bytes slot, std::string_view text) {
    std::vector<std::uint8_t> bytes = terminatedTextBytes(text);
    for (auto& b : bytes) b = accentToImage(b);
    writeTerminated(slot, bytes);
}

std::string readChars(ConstBytes slot) { return cp1250ToUtf8(slot.data(), slot.size()); }

bool writeExactChars(Bytes slot, std::string_view text) {
    if (controls::utf8Length(text) != slot.size()) return false;
    const std::vector<std::uint8_t> bytes = utf8ToCp1250(text);
    std::copy(bytes.begin(), bytes.end(), slot.begin());
    return true;
}

std::uint8_t digitCodeByte(char32_t c) {
    if (c >= U'1' && c <= U'9') return static_cast<std::uint8_t>(c - U'0');
    switch (c) {
        case U'0':
        case U'A': return 10;
        case U'B': return 11;
        case U'C': return 12;
        case U'D': return 13;
        case U'E': return 14;
        case U'F': return 15;
        case U'R': return 3;
        case U'?': return 63;
        default: return 255;
    }
}

char digitCodeChar(std::uint8_t byte) {
    if (byte >= 1 && byte <= 9) return static_cast<char>('0' + byte);
    switch (byte) {
        case 10: return '0';
        case 11: return 'B';
        case 12: return 'C';
        case 13: return 'D';
        case 14: return 'E';
        case 15: return 'F';
        case 63: return '?';
        default: return 'x';
    }
}

std::string readDigitCode(ConstBytes slot) {
    std::string out;
    for (std::uint8_t b : slot) out.push_back(digitCodeChar(b));
    return out;
}

void writeDigitCode(Bytes slot, std::string_view text) {
    const std::u32string chars = controls::utf8Decode(text);
    for (std::size_t i = 0; i < slot.size(); ++i) slot[i] = i < chars.size() ? digitCodeByte(chars[i]) : 255;
}

unsigned readWord(ConstBytes slot) { return (unsigned{slot[0]} << 8) | slot[1]; }

void writeWord(Bytes slot, unsigned value) {
    slot[0] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
    slot[1] = static_cast<std::uint8_t>(value & 0xFF);
}

int readTwoDigits(ConstBytes slot) { return (slot[0] - 0x30) * 10 + (slot[1] - 0x30); }

void writeTwoDigits(Bytes slot, int value) {
    value = std::clamp(value, 0, 99);
    slot[0] = static_cast<std::uint8_t>(0x30 + value / 10);
    slot[1] = static_cast<std::uint8_t>(0x30 + value % 10);
}

int filterItemOf(std::uint8_t byte, int currentItem) {
    if (byte == 0) return 0;
    if (byte == 1) return 1;
    if (byte == 2) return currentItem;
    if (byte < 10) return 2;
    if (byte < 60) return 3;
    return 4;
}

int voltageItemOf(std::uint8_t byte) {
    auto it = std::find(kVoltageCodes.begin(), kVoltageCodes.end(), byte);
    return it == kVoltageCodes.end() ? -1 : static_cast<int>(it - kVoltageCodes.begin());
}

int receiveItemOf(std::uint8_t byte) {
    int item = -1;
    for (std::size_t i = 0; i < kReceiveThresholds.size(); ++i)
        if (byte <= kReceiveThresholds[i]) item = static_cast<int>(i);
    return item;
}

}  // namespace vardeck::z4config
