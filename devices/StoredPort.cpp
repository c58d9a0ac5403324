#include "devices/StoredPort.h"

#include "brand/Brand.h"
#include "serial/CommChannel.h"
#include "settings/Settings.h"

namespace vardeck::devices {

std::string openStoredPort(CommChannel& channel, int brand, TBaudRate speed) {
    std::string port = ReadSetting(brandInfo(brand).brandKey, "comport");
    if (port.empty()) port = "COM1";
    channel.SetDeviceName(port);
    channel.SetBaudRate(speed);
    channel.Open();
    return port;
}

}  // namespace vardeck::devices
