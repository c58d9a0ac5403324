#include "devices/DeviceCommands.h"

#include "controls/ScreenControls.h"

namespace vardeck::devices {

std::unique_ptr<DeviceScreen> makeDeviceScreen(int typeCode, CommChannel& channel, DeviceScreenEnvironment env) {
    switch (typeCode) {
        case 30: return makeGprsModuleScreen(channel, std::move(env));
        case 50: return makeConverterScreen(channel, std::move(env));
        case 60: return makeTrackerScreen(channel, std::move(env));
        case 61: return makeGeofenceScreen(channel, std::move(env));
        default: return nullptr;
    }
}

void selectOldFormat(DeviceScreen& tracker) {
    auto* item = dynamic_cast<controls::MenuItem*>(tracker.controls().find("wavecom1"));
    if (!item || item->checked()) return;
    tracker.click("wavecom1");
}

void runConverterCommand(DeviceScreen& converter, ConverterCommand command) {
    switch (command) {
        case ConverterCommand::Restart: converter.click("BitBtn4"); break;
        case ConverterCommand::TelnetMode: converter.click("elnetmode1"); break;
        case ConverterCommand::GsmRouteMode: converter.click("GSMRoute1"); break;
    }
}

}  // namespace vardeck::devices
