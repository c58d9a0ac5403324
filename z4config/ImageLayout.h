#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace vardeck::z4config {

// How a field's bytes and its editor controls correspond.
enum class Coding : std::uint8_t {
    PhoneSlot,         // Edit: 16-byte phone slot; writing keeps digits and '+' up to the first other character
    PlainPhoneSlot,    // Edit: 16-byte phone slot; characters written as typed
    TextSlot,          // Edit: text slot of width bytes (code page 1250, accent mapping)
    SecurityCode,      // Edit: width characters without terminator, written only when complete
    DigitCode,         // Edit: Contact ID digit code, width bytes
    TypeByte,          // ComboBox (bits 0-6, the input type) with its inversion CheckBox partner (bit 7)
    PowerTypeByte,     // as TypeByte, but bit 7 is set when the partner is NOT checked
    RecipientMask,     // CheckList of the eight phone numbers, bit n = item n
    FlagBits,          // the whole byte: the listed check-box bits plus constant bits, every other bit 0
    OutputMode,        // ComboBox over bits 0 (item 1, bistable) and 4 (item 2, arm/disarm); other bits kept
    OutputTime,        // big-endian word of an output's time in seconds; SpinEdit, partner = unit list
    Byte,              // SpinEdit, one unsigned byte
    Word,              // SpinEdit, big-endian word
    TwoDigits,         // SpinEdit, two ASCII digits
    DaysOrOff,         // SpinEdit; 0 = off, partner CheckBox unchecked
    DaysPlusOne,       // SpinEdit written as value + 1 (255 wraps to 0); never read back
    RedirectTarget,    // ComboBox item index; 255 = off, partner CheckBox unchecked
    TemperatureLimit,  // SpinEdit; 255 = limit off, partner CheckBox unchecked
    FilterLevel,       // ComboBox with the filter codes of byte 80
    AlarmVoltage,      // ComboBox with the voltage codes of byte 114
    ReceiveLevel,      // ComboBox with the receive thresholds of byte 103
    TransmitLevel,     // ComboBox, stored as item index + 1
    ClearedOnRead,     // width bytes set to 0 by every decode, not written by the encode
};

// For which device types a field is read and written.
enum class DeviceScope : std::uint8_t {
    Any,
    Type100,
    NotType100,
    // Remote-monitoring fields inside bytes 1024-1279, where the Z-CID keeps zone names
    // 1-8: read always, written unless the device is a Z-CID whose firmware (below 34)
    // has no remote-monitoring page, so stale copies never overwrite edited zone names.
    RemoteMonitoringArea,
};

struct BitControl {
    std::uint8_t bit = 0;
    const char* control = nullptr;
    bool inverted = false;  // bit set when the box is NOT checked
};

// One image field: where it lives, how it is coded, which controls show it, and in
// which step of the decode and of the encode it is handled (0 = not in that pass).
// Spin-edit fields also carry their control's range and design default.
struct Field {
    Coding coding{};
    std::uint16_t offset = 0;
    std::uint8_t width = 1;
    const char* control = nullptr;
    const char* partner = nullptr;  // inversion or on/off check box, or the time-unit list
    std::uint8_t decodeStep = 0;
    std::uint8_t encodeStep = 0;
    DeviceScope scope = DeviceScope::Any;
    int minValue = 0;  // spin-edit fields
    int maxValue = 0;
    int defaultValue = 0;
    std::array<BitControl, 8> bits{};  // FlagBits fields
    std::uint8_t bitCount = 0;
    std::uint8_t constantBits = 0;
};

// Every field the editor reads or writes, in the order of the decode.
std::span<const Field> imageFields();
// The field whose main control is the named spin edit, nullptr if none.
const Field* spinField(std::string_view control);

}  // namespace vardeck::z4config
