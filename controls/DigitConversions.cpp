#include "controls/DigitConversions.h"

namespace vardeck {
namespace {

// Length in bytes of the UTF-8 sequence that starts with `lead` (1 for a stray
// continuation byte, so that malformed text still advances).
std::size_t sequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead < 0xF8) return 4;
    if (lead >= 0xE0) return lead < 0xF0 ? 3 : 1;
    if (lead >= 0xC0) return 2;
    return 1;
}

// Byte offset of the last character of a non-empty text.
std::size_t lastCharacterOffset(std::string_view text) {
    std::size_t offset = 0;
    for (std::size_t i = 0; i < text.size(); i += sequenceLength(static_cast<unsigned char>(text[i]))) {
        offset = i;
    }
    return offset;
}

uint8_t digitByte(std::string_view character) {
    if (character.size() != 1) return kDigitFiller;
    const char c = character[0];
    if (c >= '1' && c <= '9') return static_cast<uint8_t>(c - '0');
    if (c >= 'A' && c <= 'F') return static_cast<uint8_t>(c - 'A' + 10);
    return kDigitFiller;
}

char toUpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

void DigitTextToBytes(std::string_view text, int length, std::span<uint8_t> copy, int start) {
    std::size_t offset = 0;
    for (int i = 0; i < length; ++i) {
        uint8_t byte = kDigitFiller;
        if (offset < text.size()) {
            const std::size_t n = sequenceLength(static_cast<unsigned char>(text[offset]));
            byte = digitByte(text.substr(offset, n));
            offset += n;
        }
        const long position = static_cast<long>(start) + i;
        if (position >= 0 && position < static_cast<long>(copy.size())) {
            copy[static_cast<std::size_t>(position)] = byte;
        }
    }
}

std::string BytesToDigitText(std::span<const uint8_t> bytes) {
    static constexpr char kDigits[] = "123456789ABCDEF";
    std::string text;
    for (uint8_t b : bytes) {
        const int value = b > 0x80 ? b - 128 : b;
        if (value >= 1 && value <= 15) text += kDigits[value - 1];
    }
    return text;
}

bool IsDigitText(std::string_view text) {
    for (char raw : text) {
        const char c = toUpperAscii(raw);
        if (!((c >= '1' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
    }
    return true;
}

std::string TidyCodeText(std::string_view text) {
    std::string result(text);
    if (!result.empty() && result.back() == '0') result.back() = 'A';
    if (IsDigitText(result)) {
        for (char& c : result) c = toUpperAscii(c);
        return result;
    }
    result.erase(lastCharacterOffset(result));
    return result;
}

std::string TidyCodeFieldText(std::string_view text) {
    std::string current(text);
    for (;;) {
        std::string next = TidyCodeText(current);
        if (next == current) return current;
        current = std::move(next);
    }
}

}  // namespace vardeck
