#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace vardeck::controls {

// Texts of controls are UTF-8. Lengths and positions of edit texts count characters
// (code points), the way an edit field counts them, not bytes.

inline constexpr char32_t kReplacementChar = 0xFFFD;

// Decodes UTF-8; every byte that does not start a valid, shortest-form sequence of a
// scalar value becomes one U+FFFD, so the result never loses track of the input.
std::u32string utf8Decode(std::string_view text);
// Appends one code point; surrogates and values above U+10FFFF append U+FFFD.
void utf8Append(std::string& out, char32_t c);
std::string utf8Encode(std::u32string_view text);
// True when the whole text is valid UTF-8.
bool utf8Valid(std::string_view text);
// Number of characters (an invalid byte counts as one character).
std::size_t utf8Length(std::string_view text);
// The first n characters.
std::string utf8Left(std::string_view text, std::size_t n);

}  // namespace vardeck::controls
