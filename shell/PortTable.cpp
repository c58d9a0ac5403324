#include "shell/PortTable.h"

#include "serial/PortNames.h"
#include "brand/Brand.h"
#include "settings/Settings.h"

namespace vardeck {

std::string portTableKey() { return currentBrand().brandKey + "\\ports"; }

std::string comPortDeviceFromTable(int portNumber) {
    if (portNumber < 1) return {};
    std::string device = ReadSetting(portTableKey(), "COM" + std::to_string(portNumber));
    if (device.empty() || device.front() == '/') return device;
    return "/dev/" + device;
}

void installComPortTable() { setComPortTable(comPortDeviceFromTable); }

}  // namespace vardeck
