#pragma once
#include "sim/ByteMemoryModel.h"

namespace vardeck::sim {

// The GPS geofence unit (code 61): a phone number in bytes 30-46 and a table of
// 64 position windows in pages 114-121, moved in 64-byte blocks.
class GeofenceModel : public ByteMemoryModel {
public:
    static constexpr int kTypeCode = 61;
    static constexpr std::size_t kMemorySize = 32768;

    GeofenceModel() : ByteMemoryModel(kTypeCode, kMemorySize) {}
    std::string description() const override { return "GPS geofence unit, code 61"; }
};

}  // namespace vardeck::sim
