#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vardeck::devices::geofence {

// A coordinate of the geofence unit's position table: degrees times 10000 as a signed
// 32-bit value. The grid shows it as text with four decimals ("47.1234").

// In the unit a value is an 8-byte word: value byte 0 (lowest), 0x0C, byte 1, 0x0C,
// byte 2, 0x0C, byte 3, 0x0C.
inline constexpr std::size_t kWordSize = 8;
inline constexpr uint8_t kWordSeparator = 0x0C;
using CoordinateWord = std::array<uint8_t, kWordSize>;

CoordinateWord encodeWord(int32_t value);
// The value from the word's even bytes; the separators are not looked at.
int32_t decodeWord(const uint8_t* word);

// The text a cell shows for a value: its decimal text with a point before the last
// four characters (471234 -> "47.1234", -471234 -> "-47.1234"). A text of four
// characters or fewer gets the point in front: 1234 -> ".1234", 0 -> ".0",
// -1 -> ".-1".
std::string valueText(int32_t value);

// The value a cell's text stands for, or nothing when the text would be written as a
// wrong coordinate. Taken are: the empty text and "0." (both 0); a whole number with
// its point as the fifth character from the end ("47.1234", "-.1234"); and the short
// forms valueText() shows for small values (".0", ".12", ".-1"), so that a table read
// from the unit can be written back unchanged. Anything else is refused: a point in
// another place ("47.12", "47.12345"), a character that is no digit ("4a.1234") or a
// value beyond 32 bits.
std::optional<int32_t> cellValue(std::string_view text);

}  // namespace vardeck::devices::geofence
