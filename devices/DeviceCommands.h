#pragma once
#include <memory>

#include "devices/DeviceScreen.h"

namespace vardeck::devices {

// The screen of a device type code (30, 50, 60, 61); nullptr for another code.
std::unique_ptr<DeviceScreen> makeDeviceScreen(int typeCode, CommChannel& channel, DeviceScreenEnvironment env);

// The tracker's "wavecom" menu item ticked: its old format for the next operations.
void selectOldFormat(DeviceScreen& tracker);

// The converter's commands that send one frame and expect no answer.
enum class ConverterCommand { Restart, TelnetMode, GsmRouteMode };
void runConverterCommand(DeviceScreen& converter, ConverterCommand command);

}  // namespace vardeck::devices
