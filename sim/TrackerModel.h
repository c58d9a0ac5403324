#pragma once
#include "sim/ByteMemoryModel.h"

namespace vardeck::sim {

// The GPRS tracker (code 60). It talks at 4800 bit/s; its settings are bytes
// 0-254, and the old format moves a 64-byte block from page 98.
class TrackerModel : public ByteMemoryModel {
public:
    static constexpr int kTypeCode = 60;
    static constexpr std::size_t kMemorySize = 32768;

    TrackerModel() : ByteMemoryModel(kTypeCode, kMemorySize) {}
    std::string description() const override { return "GPRS tracker, code 60"; }
};

}  // namespace vardeck::sim
