#include "sim/GprsModuleModel.h"

#include <string>
#include <string_view>

namespace vardeck::sim {
namespace {

constexpr uint8_t kFiller = 0x58;  // a digit position without a digit
constexpr uint8_t kSwitchedOff = 0x80;
constexpr std::size_t kCodeLength = 11;

// One byte a digit: "1".."9" as 1..9, "A" (the digit 0) as 10, "B".."F" as 11..15.
void putCode(std::span<uint8_t> memory, std::size_t address, std::string_view digits, bool on) {
    for (std::size_t i = 0; i < kCodeLength; ++i) {
        uint8_t byte = kFiller;
        if (i < digits.size()) {
            const char c = digits[i];
            if (c >= '1' && c <= '9') byte = static_cast<uint8_t>(c - '0');
            if (c >= 'A' && c <= 'F') byte = static_cast<uint8_t>(c - 'A' + 10);
        }
        memory[address + i] = byte;
    }
    if (!on) memory[address] = static_cast<uint8_t>(memory[address] + kSwitchedOff);
}

void putFactorySetting(std::span<uint8_t> m) {
    m[0] = 0x02;  // life signal every 600 s
    m[1] = 0x58;
    m[2] = 1;  // DTMF Contact ID
    m[3] = 1;  // automatic client code
    for (std::size_t i = 4; i < 20; ++i) m[i] = 0;
    for (std::size_t i = 256; i < 260; ++i) m[i] = kFiller;
    // Contact ID: qualifier (1 new, 3 restore), event, partition 01, zone.
    const char zones[8][4] = {"AA1", "AA2", "AA3", "AA4", "AA5", "AA6", "AA7", "AA8"};
    for (std::size_t n = 0; n < 8; ++n) {
        putCode(m, 260 + 11 * n, std::string("113AA1") + zones[n], true);  // burglary
        putCode(m, 348 + 11 * n, std::string("313AA1") + zones[n], true);
    }
    putCode(m, 436, "13AAA1AAA", true);  // two codes the configurator keeps as they are
    putCode(m, 447, "33AAA1AAA", true);
    putCode(m, 458, "1137A1AAA", true);  // tamper
    putCode(m, 469, "3137A1AAA", true);
    putCode(m, 480, "1351A1AAA", false);  // telephone line
    putCode(m, 491, "3351A1AAA", false);
}

}  // namespace

GprsModuleModel::GprsModuleModel() : ByteMemoryModel(kTypeCode, kMemorySize) { putFactorySetting(memory()); }

}  // namespace vardeck::sim
