#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "controls/ControlRegistry.h"

namespace vardeck::devices {

// The converter's memory as the screen holds it: index = converter address. The
// screen reads all of it and writes the first kConverterWriteSize bytes; bytes that
// belong to no field keep what was read.
inline constexpr int kConverterImageSize = 253;
inline constexpr int kConverterWriteSize = 200;

// Added to the first byte of a Contact ID code that is switched off.
inline constexpr uint8_t kCodeSwitchedOff = 128;
// Ends the access point name unless it fills its slot.
inline constexpr uint8_t kTextEnd = 13;
inline constexpr int kAccessPointMaxChars = 32;

enum class ConverterFieldKind {
    SwitchableCode,  // digit bytes; 128 added to the first one while the check box is clear
    DigitCode,       // digit bytes
    ItemIndex,       // one byte: the selected item of a list
    LowHighWord,     // two bytes, low byte first
    Text,            // code page 1250 characters, then kTextEnd
};

// One field of the converter's memory and the control(s) that show it.
struct ConverterField {
    ConverterFieldKind kind;
    int address;
    int width;  // bytes, the end mark of a text included
    const char* control;
    const char* switchControl;  // the check box of a switchable code, else nullptr
    const char* caption;        // the text beside the control on the screen
};

// The fields in screen order.
const std::vector<ConverterField>& converterFields();

// Fills the fields' controls from the image (the screen then runs its field rules).
void decodeConverterImage(std::span<const uint8_t> image, controls::ControlRegistry& controls);
// Writes the fields' controls into the image; other bytes are left as they are. A
// list without a selection leaves its byte as read.
void encodeConverterImage(const controls::ControlRegistry& controls, std::span<uint8_t> image);

}  // namespace vardeck::devices
