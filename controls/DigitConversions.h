#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vardeck {

// Contact ID codes as the GPRS module and the converter keep them: one byte per
// digit, "1".."9" -> 1..9, "A" (the digit 0) -> 10, "B".."F" -> 11..15, anything
// else and every position past the end of the text -> 0x58. Texts are UTF-8; a
// character is one code point.

inline constexpr uint8_t kDigitFiller = 0x58;

// Writes `length` digit bytes for `text` into copy[start .. start+length). Positions
// outside the copy are skipped.
void DigitTextToBytes(std::string_view text, int length, std::span<uint8_t> copy, int start);

// The text of digit bytes; a byte above 0x80 (a switched-off code) is first reduced
// by 128, and bytes that are no digit give no character.
std::string BytesToDigitText(std::span<const uint8_t> bytes);

// True when every character, upper-cased, is one of "1".."9" or "A".."F". The empty
// text is a digit text; "0" is not.
bool IsDigitText(std::string_view text);

// One pass of the code-field rule: a final "0" becomes "A"; a digit text comes back
// upper-cased; otherwise the last character is removed.
std::string TidyCodeText(std::string_view text);

// What a code field ends up showing: the field reassigns its text, which triggers
// the rule again, until the text no longer changes.
std::string TidyCodeFieldText(std::string_view text);

}  // namespace vardeck
