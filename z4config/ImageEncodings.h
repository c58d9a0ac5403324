#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vardeck::z4config {

// The configuration memory of a Z-4 family module as one array; offsets are the
// module's memory addresses. 256 records of 32 bytes.
inline constexpr std::size_t kImageSize = 8192;
using Image = std::array<std::uint8_t, kImageSize>;
using Bytes = std::span<std::uint8_t>;
using ConstBytes = std::span<const std::uint8_t>;

inline constexpr std::uint8_t kEnd = 0xFF;  // ends a text or number shorter than its slot

// The bytes [offset, offset + width) of the image; a window outside the image is a
// programming error (std::out_of_range), so no coding can reach past the array.
Bytes slotOf(Image& image, std::size_t offset, std::size_t width);
ConstBytes slotOf(const Image& image, std::size_t offset, std::size_t width);

// Accent mapping of the module's texts: the module shows á é í ó from the bytes
// 0xE0 0xE8 0xEC 0xF2, one below their code-page values; every other byte passes.
std::uint8_t accentToImage(std::uint8_t byte);
std::uint8_t accentFromImage(std::uint8_t byte);

// The code page 1250 bytes of a text that 0xFF ends in the image. The one character
// whose byte is 0xFF (the dot above, U+02D9) would end the text early, so it is
// written as '?' like a character the code page lacks.
std::vector<std::uint8_t> terminatedTextBytes(std::string_view text);

// Phone slot: the characters up to the first 0xFF, at most the slot's width.
std::string readPhoneSlot(ConstBytes slot);
enum class PhoneChars {
    Dialable,  // keeps '0'-'9' and '+'; the first other character (a blank) ends the number
    AsTyped,   // every character as typed (monitoring-station numbers)
};
// Writes the characters, then one 0xFF when fewer than the slot's width were written.
void writePhoneSlot(Bytes slot, std::string_view text, PhoneChars which);

// Text slot: code page 1250 with the accent mapping. Reading stops at the first 0xFF
// or the end of the slot; the accent mapping is also written back into the slot. An
// empty text reads as one space.
std::string readTextSlot(Bytes slot);
// The first width characters, then one 0xFF when the text is shorter than the slot.
void writeTextSlot(Bytes slot, std::string_view text);

// Fixed characters without terminator (the security code): each byte one character.
std::string readChars(ConstBytes slot);
// Writes only when the text has exactly as many characters as the slot; true if written.
bool writeExactChars(Bytes slot, std::string_view text);

// Contact ID digit code: one byte per character of an event, zone or account code.
std::uint8_t digitCodeByte(char32_t c);  // 255 for a character outside the code
char digitCodeChar(std::uint8_t byte);   // 'x' for a byte outside the code
std::string readDigitCode(ConstBytes slot);
// Each position from the text; a position beyond the end of the text stores 255.
void writeDigitCode(Bytes slot, std::string_view text);

unsigned readWord(ConstBytes slot);  // big-endian, two bytes
void writeWord(Bytes slot, unsigned value);
// Two ASCII digits, tens first. Reading does no checks: bytes outside '0'-'9' give a
// number outside 0-99 that the reader limits to its range.
int readTwoDigits(ConstBytes slot);
void writeTwoDigits(Bytes slot, int value);  // value limited to 0-99

// Coded bytes: the byte stored for each item of the list that shows it.
inline constexpr std::array<std::uint8_t, 5> kFilterCodes = {0, 1, 3, 10, 60};  // byte 80
inline constexpr std::uint8_t kFilterDefault = 3;
inline constexpr std::array<std::uint8_t, 11> kVoltageCodes = {48, 55, 62, 65, 69, 72, 76, 79, 83, 87, 90};  // byte 114
inline constexpr std::uint8_t kVoltageDefault = 76;
inline constexpr int kVoltageDefaultItem = 6;  // "11V"
inline constexpr std::array<std::uint8_t, 10> kReceiveThresholds = {230, 220, 210, 200, 190, 175, 165, 150, 140, 135};  // byte 103
inline constexpr std::uint8_t kReceiveDefault = 150;

// The item a filter byte shows: 0 -> 0, 1 -> 1, 3-9 -> 2, 10-59 -> 3, 60 and above -> 4;
// the byte 2 has no item and keeps the current one.
int filterItemOf(std::uint8_t byte, int currentItem);
// The item whose voltage code is the byte, -1 for none.
int voltageItemOf(std::uint8_t byte);
// The last item whose threshold is not below the byte; -1 for a byte above 230.
int receiveItemOf(std::uint8_t byte);
// The code of an item, or the fallback when no item (or an unknown one) is selected.
template <std::size_t N>
std::uint8_t codeOfItem(const std::array<std::uint8_t, N>& codes, int item, std::uint8_t fallback) {
    return item >= 0 && item < static_cast<int>(N) ? codes[item] : fallback;
}

}  // namespace vardeck::z4config
