#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "z4config/ImageEncodings.h"

namespace vardeck::z4config {

// The customer record panel below the editor pages: client name, installation
// address, GSM phone number, alarm panel type, communicator type, installation date.
inline constexpr std::array<std::string_view, 6> kCustomerFields = {"Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7"};
inline constexpr std::size_t kCustomerFieldMaxLength = 128;  // what the fields accept
using CustomerFields = std::array<std::string, kCustomerFields.size()>;

bool isCustomerField(std::string_view controlName);
// The text with the characters a customer block cannot hold (outside code page 1250,
// NUL, broken UTF-8) replaced by '?'; the panel applies it to what the user typed.
std::string storableCustomerText(std::string_view text);

// One customer field in a profile file: byte 0 unused (0), then up to 127 characters in
// code page 1250, a zero byte after a shorter text, zeros to the end.
inline constexpr std::size_t kCustomerBlockSize = 128;
inline constexpr std::size_t kCustomerTextLength = 127;
using CustomerBlock = std::array<std::uint8_t, kCustomerBlockSize>;

CustomerBlock encodeCustomerBlock(std::string_view text);
// The text from byte 1 up to the first zero byte or the end of the block (at most 127
// bytes); a block shorter than 128 bytes is read as far as it goes.
std::string decodeCustomerBlock(ConstBytes block);

}  // namespace vardeck::z4config
