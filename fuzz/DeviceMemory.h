#pragma once
// The four other devices as the memory round-trip target and its seed maker see them:
// which simulated device, which screen format, and which parts of the memory the
// screen reads.
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "sim/ConverterModel.h"
#include "sim/GeofenceModel.h"
#include "sim/GprsModuleModel.h"
#include "sim/TrackerModel.h"

namespace vardeck::fuzz {

struct DeviceMemory {
    int type;
    bool oldFormat;
    std::vector<std::pair<std::size_t, std::size_t>> read;  // [from, to) of what the screen reads
};

inline const std::vector<DeviceMemory>& deviceMemories() {
    static const std::vector<DeviceMemory> devices = {
        {30, false, {{0, 20}, {256, 511}}},        // the module's two areas
        {50, false, {{0, 253}}},                   // the converter's settings
        {60, false, {{0, 255}}},                   // the tracker's settings (new format)
        {60, true, {{0x6200, 0x6240}}},            // its server address block (old format)
        {61, false, {{0, 50}, {0x7200, 0x7A00}}},  // the unit's bytes and its position table
    };
    return devices;
}

inline std::unique_ptr<sim::DeviceModel> makeDeviceModel(int type) {
    switch (type) {
        case 30: return std::make_unique<sim::GprsModuleModel>();
        case 50: return std::make_unique<sim::ConverterModel>();
        case 60: return std::make_unique<sim::TrackerModel>();
        default: return std::make_unique<sim::GeofenceModel>();
    }
}

// The bytes of the parts the screen reads, in address order.
inline std::vector<uint8_t> readPart(const DeviceMemory& device, std::span<const uint8_t> memory) {
    std::vector<uint8_t> bytes;
    for (const auto& [from, to] : device.read)
        bytes.insert(bytes.end(), memory.begin() + static_cast<std::ptrdiff_t>(from),
                     memory.begin() + static_cast<std::ptrdiff_t>(to));
    return bytes;
}

}  // namespace vardeck::fuzz
