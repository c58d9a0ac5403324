#include "sim/ConverterModel.h"

#include <algorithm>
#include <string_view>

namespace vardeck::sim {

namespace {

// What a converter holds when it leaves the factory: the three event codes switched
// on but empty, no account code, every option off, sensitivity 1, the access point
// "internet"; the rest erased.
void fillFactorySettings(std::span<uint8_t> memory) {
    constexpr uint8_t kNoDigit = 0x58;
    std::fill(memory.begin(), memory.begin() + 44, kNoDigit);
    std::fill(memory.begin() + 106, memory.begin() + 110, kNoDigit);
    std::fill(memory.begin() + 110, memory.begin() + 113, 0);
    memory[113] = 1;
    memory[114] = 0;
    constexpr std::string_view apn = "internet";
    std::copy(apn.begin(), apn.end(), memory.begin() + 128);
    memory[128 + apn.size()] = 13;
}

}  // namespace

ConverterModel::ConverterModel(uint8_t softwareVersion)
    : ByteMemoryModel(kTypeCode, kMemorySize), version_(softwareVersion) {
    fillFactorySettings(memory());
    restoreOwnedBytes();
}

bool ConverterModel::onFrame(const Frame& frame) {
    if (frame[0] == 0x00 && frame[3] == 0x00) {
        if (frame[1] == 0xFF && frame[2] == 0xAA) {
            ++restarts_;
            mode_ = Mode::Normal;
            return true;
        }
        if (frame[1] == 0xFE && frame[2] == 0xBB) {
            mode_ = Mode::Telnet;
            return true;
        }
        if (frame[1] == 0xFD && frame[2] == 0xBB) {
            mode_ = Mode::GsmRoute;
            return true;
        }
    }
    return ByteMemoryModel::onFrame(frame);
}

bool ConverterModel::ownsAddress(uint16_t address) const {
    return address == kVersionAddress || ByteMemoryModel::ownsAddress(address);
}

void ConverterModel::restoreOwnedBytes() {
    ByteMemoryModel::restoreOwnedBytes();
    memory()[kVersionAddress] = version_;
}

void ConverterModel::clearHistory() {
    ByteMemoryModel::clearHistory();
    restarts_ = 0;
}

}  // namespace vardeck::sim
