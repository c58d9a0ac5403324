#pragma once
#include <string>

#include "serial/CommTypes.h"

namespace vardeck {
class CommChannel;
}

namespace vardeck::devices {

// Opens the port the installer chose (the brand's "comport" setting, "COM1" when
// none is stored) at the device's line speed. Returns the port's name; whether it
// opened, the channel tells.
std::string openStoredPort(CommChannel& channel, int brand, TBaudRate speed);

}  // namespace vardeck::devices
