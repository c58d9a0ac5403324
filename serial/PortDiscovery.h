#pragma once
#include <string>
#include <vector>

namespace vardeck {

// A serial device found on this machine.
struct DiscoveredPort {
    std::string kernelName;  // "ttyUSB0", "ttyACM1", "ttyS0"
    std::string devicePath;  // "/dev/ttyUSB0"
    std::string stablePath;  // "/dev/serial/by-id/usb-FTDI_..." when udev made one, else empty
    bool usb = false;        // a USB adapter or a CDC-ACM device
};

// Lists the serial devices of the system: USB adapters and CDC-ACM devices first
// (with their /dev/serial/by-id names where udev made them), then built-in UARTs
// that really exist. The kernel creates ttyS0..ttyS31 whether or not there is a
// chip behind them; those phantom ports are left out (their sysfs "type" is 0).
// `root` lets tests point the scan at a made-up tree ("/" on a real system).
std::vector<DiscoveredPort> discoverSerialPorts(const std::string& root = "/");

}  // namespace vardeck
