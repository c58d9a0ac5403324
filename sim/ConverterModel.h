#pragma once
#include "sim/ByteMemoryModel.h"

namespace vardeck::sim {

// The GPRS-to-Contact-ID converter (code 50): 253 bytes of settings read and
// written one byte a frame; the identity byte sits right above them.
class ConverterModel : public ByteMemoryModel {
public:
    static constexpr int kTypeCode = 50;
    static constexpr std::size_t kMemorySize = 256;

    ConverterModel() : ByteMemoryModel(kTypeCode, kMemorySize) {}
    std::string description() const override { return "GPRS-to-Contact-ID converter, code 50"; }
};

}  // namespace vardeck::sim
