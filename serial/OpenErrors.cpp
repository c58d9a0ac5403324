#include "serial/OpenErrors.h"

#include "serial/PortNames.h"

#include <cerrno>
#include <cstring>

namespace vardeck {

std::string describeOpenError(int error, const std::string& portName) {
    if (error == 0) return {};
    std::string path = devicePathFor(portName);
    std::string device = path.empty() ? "\"" + portName + "\"" : path;
    if (!path.empty() && path != portName) device = portName + " (" + path + ")";

    switch (error) {
    case EACCES:
    case EPERM:
        return "Permission denied on " + device +
               ": add your user to the dialout group (sudo usermod -aG dialout $USER) and log in again";
    case EBUSY:
    case EWOULDBLOCK:
        return device + " is in use by another program (ModemManager or a terminal program?); "
                        "close it and try again";
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return "No such device: " + device + " (is the cable or the USB adapter plugged in?)";
    case ENOTTY:
        return device + " is not a serial port";
    case EINVAL:
        return device + " cannot use these line settings (4 data bits and 1.5 stop bits are not supported)";
    default:
        return "Cannot open " + device + ": " + std::strerror(error);
    }
}

}  // namespace vardeck
