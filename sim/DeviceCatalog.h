#pragma once
#include "sim/DeviceModel.h"
#include "sim/Z4FamilyModel.h"

#include <memory>
#include <vector>

namespace vardeck::sim {

struct ModelOptions {
    // Firmware version number in tenths, for the Z-4 family.
    int firmware = Z4FamilyModel::kDefaultFirmware;
    // Restart and payload times of the Z-4 family.
    Z4Timing z4Timing;
    // Status bytes, live status, event log, history and monitor text of the Z-4 family.
    Z4Diagnostics z4Diagnostics;
    // The Z-4 family's GSM modem and SIM: PIN, IMEI, balance text, phonebook.
    GsmModemSettings gsmModem;
    // The Z-4 family's answer to the identification frame, and its firmware
    // after FPGA programming.
    Z4Processor z4Processor;
    // Memory faults: writes acknowledged, the byte keeps its value.
    std::vector<std::pair<uint16_t, uint8_t>> stuck;
};

// The device type codes a model exists for, in ascending order.
const std::vector<int>& knownDeviceCodes();
bool isKnownDeviceCode(int code);
// The model of the device with this type code; nullptr for an unknown code.
std::unique_ptr<DeviceModel> makeDeviceModel(int code, const ModelOptions& options = {});

}  // namespace vardeck::sim
