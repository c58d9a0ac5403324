#include "devices/GeofenceCoordinates.h"

#include <charconv>
#include <limits>

namespace vardeck::devices::geofence {
namespace {

constexpr std::size_t kDecimals = 4;

// An optional minus and at least one digit, nothing else, within 32 bits.
std::optional<int32_t> wholeNumber(std::string_view text) {
    std::string_view digits = text.substr(!text.empty() && text.front() == '-' ? 1 : 0);
    if (digits.empty()) return std::nullopt;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
    }
    int32_t value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

}  // namespace

CoordinateWord encodeWord(int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    CoordinateWord word{};
    for (std::size_t i = 0; i < 4; ++i) {
        word[2 * i] = static_cast<uint8_t>(bits >> (8 * i));
        word[2 * i + 1] = kWordSeparator;
    }
    return word;
}

int32_t decodeWord(const uint8_t* word) {
    uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i) bits |= uint32_t{word[2 * i]} << (8 * i);
    return static_cast<int32_t>(bits);
}

std::string valueText(int32_t value) {
    std::string text = std::to_string(value);
    if (text.size() <= kDecimals) return "." + text;
    text.insert(text.size() - kDecimals, 1, '.');
    return text;
}

std::optional<int32_t> cellValue(std::string_view text) {
    if (text.empty() || text == "0.") return 0;
    const std::size_t size = text.size();
    if (size > kDecimals && text[size - kDecimals - 1] == '.') {
        std::string withoutPoint(text.substr(0, size - kDecimals - 1));
        withoutPoint += text.substr(size - kDecimals);
        return wholeNumber(withoutPoint);
    }
    // The short forms of valueText(): the point, then at most four characters.
    if (text.front() == '.' && size - 1 <= kDecimals) return wholeNumber(text.substr(1));
    return std::nullopt;
}

}  // namespace vardeck::devices::geofence
