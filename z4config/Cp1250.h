#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vardeck::z4config {

// Texts travel to the modules as single bytes of Windows code page 1250 (Central
// European: Hungarian, German, Slovenian, Czech, Polish ... letters). The editor keeps
// texts as UTF-8.
//
// Reading is exact for every byte: the five byte values the code page leaves undefined
// (0x81, 0x83, 0x88, 0x90, 0x98) read as the C1 control characters of the same number,
// as Windows reads them, so a decoded text written back gives the same bytes.
// Writing maps every character the code page has to its byte; any other character (and
// every byte of invalid UTF-8) becomes '?' (0x3F), one byte per character, so positions
// and lengths stay those of the text.

inline constexpr std::uint8_t kUnmappableByte = '?';

char32_t cp1250ToUnicode(std::uint8_t byte);
// kUnmappableByte for a character the code page does not have.
std::uint8_t unicodeToCp1250(char32_t c);
// True when the character has a byte of its own in the code page.
bool cp1250Has(char32_t c);

std::string cp1250ToUtf8(const std::uint8_t* bytes, std::size_t count);
std::vector<std::uint8_t> utf8ToCp1250(std::string_view text);
// The same for texts held as byte strings (modem lines, report streams, files).
std::string cp1250BytesToUtf8(std::string_view bytes);
std::string utf8ToCp1250Bytes(std::string_view text);

// The text as writing would store it: every character the code page lacks, every
// broken UTF-8 byte and every character of alsoReplace becomes '?'. An editor applies
// it to what the user typed, so the field shows what the file or module will hold.
std::string cp1250Representable(std::string_view text, std::u32string_view alsoReplace = {});

}  // namespace vardeck::z4config
