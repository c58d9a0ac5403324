#include "z4config/Cp1250.h"

#include <algorithm>
#include <array>
#include <utility>

#include "controls/Utf8.h"

namespace vardeck::z4config {
namespace {

// Code points of the bytes 0x80 to 0xFF; bytes below 0x80 are ASCII.
constexpr std::array<char16_t, 128> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 0x98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // 0xA0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  // 0xA8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  // 0xB8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // 0xC0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // 0xC8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // 0xD0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // 0xD8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // 0xE0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // 0xE8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // 0xF0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // 0xF8
};

// The reverse table, sorted by code point, built once.
const std::array<std::pair<char16_t, std::uint8_t>, 128>& reverseTable() {
    static const auto table = [] {
        std::array<std::pair<char16_t, std::uint8_t>, 128> t{};
        for (std::size_t i = 0; i < kHigh.size(); ++i) t[i] = {kHigh[i], static_cast<std::uint8_t>(0x80 + i)};
        std::sort(t.begin(), t.end());
        return t;
    }();
    return table;
}

}  // namespace

char32_t cp1250ToUnicode(std::uint8_t byte) { return byte < 0x80 ? char32_t(byte) : char32_t(kHigh[byte - 0x80]); }

bool cp1250Has(char32_t c) {
    if (c < 0x80) return true;
    if (c > 0xFFFF) return false;
    auto& t = reverseTable();
    auto it = std::lower_bound(t.begin(), t.end(), std::make_pair(static_cast<char16_t>(c), std::uint8_t{0}));
    return it != t.end() && it->first == c;
}

std::uint8_t unicodeToCp1250(char32_t c) {
    if (c < 0x80) return static_cast<std::uint8_t>(c);
    if (c > 0xFFFF) return kUnmappableByte;
    auto& t = reverseTable();
    auto it = std::lower_bound(t.begin(), t.end(), std::make_pair(static_cast<char16_t>(c), std::uint8_t{0}));
    return it != t.end() && it->first == c ? it->second : kUnmappableByte;
}

std::string cp1250ToUtf8(const std::uint8_t* bytes, std::size_t count) {
    std::string out;
    out.reserve(count);
    for (std::size_t i = 0; i < count; ++i) controls::utf8Append(out, cp1250ToUnicode(bytes[i]));
    return out;
}

std::string cp1250BytesToUtf8(std::string_view bytes) {
    return cp1250ToUtf8(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

std::string utf8ToCp1250Bytes(std::string_view text) {
    // Plain ASCII (phone numbers, most names) is the same in both.
    if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        return std::string(text);
    }
    const std::vector<std::uint8_t> bytes = utf8ToCp1250(text);
    return std::string(bytes.begin(), bytes.end());
}

std::vector<std::uint8_t> utf8ToCp1250(std::string_view text) {
    std::vector<std::uint8_t> out;
    for (char32_t c : controls::utf8Decode(text)) out.push_back(unicodeToCp1250(c));
    return out;
}

std::string cp1250Representable(std::string_view text, std::u32string_view alsoReplace) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : controls::utf8Decode(text)) {
        const bool keep = cp1250Has(c) && alsoReplace.find(c) == std::u32string_view::npos;
        controls::utf8Append(out, keep ? c : char32_t(kUnmappableByte));
    }
    return out;
}

}  // namespace vardeck::z4config
