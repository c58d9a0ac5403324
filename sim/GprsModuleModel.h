#pragma once
#include "sim/ByteMemoryModel.h"

namespace vardeck::sim {

// The 8-input GPRS module with its telephone-line simulator (code 30). Its
// settings live at 0-19 and 256-510 and move one byte a frame: a read answers
// AB 00 address-lo data, a write AB 01 address-lo data-now-stored. A new module
// comes with a factory setting: a ten-minute life signal, the DTMF line simulator,
// the automatic client code and Contact ID codes for its inputs, tamper contact and
// telephone line (the line's codes switched off).
class GprsModuleModel : public ByteMemoryModel {
public:
    static constexpr int kTypeCode = 30;
    static constexpr std::size_t kMemorySize = 512;

    GprsModuleModel();
    std::string description() const override { return "8-input GPRS module, code 30"; }
};

}  // namespace vardeck::sim
