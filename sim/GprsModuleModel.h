#pragma once
#include "sim/ByteMemoryModel.h"

namespace vardeck::sim {

// The 8-input GPRS module with its telephone-line simulator (code 30). Its
// settings live at 0-19 and 256-510 and move one byte a frame.
class GprsModuleModel : public ByteMemoryModel {
public:
    static constexpr int kTypeCode = 30;
    static constexpr std::size_t kMemorySize = 512;

    GprsModuleModel() : ByteMemoryModel(kTypeCode, kMemorySize) {}
    std::string description() const override { return "8-input GPRS module, code 30"; }
};

}  // namespace vardeck::sim
