#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace vardeck {

// The module's status block as the status view polls it from status memory 512:
// 16 bytes, 32 on the Contact ID model from firmware 2.5 on.
inline constexpr int kStatusBlockAddress = 512;
inline constexpr int kStatusBlockShort = 16;
inline constexpr int kStatusBlockLong = 32;
using StatusBlock = std::array<uint8_t, kStatusBlockLong>;

// How many status bytes a cycle reads from a module of this type and firmware.
int statusBlockLength(int deviceType, int firmwareVersion);
// The Contact ID model from firmware 2.5 on reports its last Contact ID message.
bool reportsLastContactId(int deviceType, int firmwareVersion);

// The signal gauge's colour bands.
enum class SignalBand { Red, Yellow, Blue, Green, BrightGreen };
SignalBand signalBand(int strength);

// What one status block says, as the status view shows it. Texts are the Hungarian
// catalogue entries (the view looks each one up in the applied language); texts the
// catalogue does not hold are shown as they are.
struct ModuleStatus {
    std::array<bool, 4> inputs{};   // input 1..4 active
    int registration = 0;           // byte 1
    std::string registrationText;   // GSM registration
    int errorCode = 0;              // byte 2
    std::string errorText;          // after the Contact ID stage and memory rules
    int signal = 0;                 // 0..31 (a larger value is shown as it came)
    SignalBand band = SignalBand::Red;
    bool tamper = false;
    bool supply = false;
    bool output1 = false;
    bool output2 = false;
    bool armed = false;
    bool memoryGood = false;        // bit 7 of byte 4
    std::string gsmTime;            // "hh:mm" from bytes 5..8
    int temperature = 0;            // whole degrees, signed
    // The last Contact ID message (only when the module reports it).
    bool hasLastContactId = false;
    std::string lastContactId;      // 16 characters by the digit rule, or "Not"
    std::string account;            // characters 1..4
    std::string partitionZone;      // characters 11..15
    std::string event;              // "E" or "R" and characters 8..10, or empty
};

// Decodes the first `length` bytes of the block (16 or 32); bytes beyond it count as 0.
ModuleStatus decodeModuleStatus(const StatusBlock& block, int length, int deviceType, int firmwareVersion);

// One digit of a Contact ID message: 10 is "0", 1..9 the digit, 11..15 "B".."F",
// 63 "?", anything else "x".
char contactIdDigitChar(uint8_t digit);

}  // namespace vardeck
