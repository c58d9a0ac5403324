#include "serial/PortDiscovery.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>

namespace fs = std::filesystem;

namespace vardeck {
namespace {

bool startsWith(const std::string& s, const std::string& prefix) {
    return s.compare(0, prefix.size(), prefix) == 0;
}

std::string readFirstLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

// A built-in UART exists when the kernel found a chip for it: sysfs "type" above 0.
bool uartExists(const fs::path& sysTty) {
    std::string type = readFirstLine(sysTty / "type");
    return !type.empty() && type != "0";
}

// Natural order: ttyUSB2 before ttyUSB10.
bool naturalLess(const std::string& a, const std::string& b) {
    auto split = [](const std::string& s) {
        size_t i = s.find_last_not_of("0123456789");
        std::string stem = s.substr(0, i + 1);
        std::string digits = s.substr(i + 1);
        return std::make_pair(stem, digits.empty() ? -1L : std::stol(digits.substr(0, 9)));
    };
    return split(a) < split(b);
}

}  // namespace

std::vector<DiscoveredPort> discoverSerialPorts(const std::string& root) {
    std::error_code ec;
    fs::path base(root);

    // Stable names made by udev, keyed by the kernel name they point at.
    std::map<std::string, std::string> byId;
    fs::path byIdDir = base / "dev/serial/by-id";
    for (auto it = fs::directory_iterator(byIdDir, ec); !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code linkEc;
        fs::path target = fs::read_symlink(it->path(), linkEc);
        if (linkEc) continue;
        byId[target.filename().string()] = (fs::path("/dev/serial/by-id") / it->path().filename()).string();
    }

    std::vector<DiscoveredPort> usb, uarts;
    fs::path sysTty = base / "sys/class/tty";
    for (auto it = fs::directory_iterator(sysTty, ec); !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::string name = it->path().filename().string();
        DiscoveredPort port;
        port.kernelName = name;
        port.devicePath = "/dev/" + name;
        if (auto found = byId.find(name); found != byId.end()) port.stablePath = found->second;
        if (startsWith(name, "ttyUSB") || startsWith(name, "ttyACM")) {
            port.usb = true;
            usb.push_back(port);
        } else if (startsWith(name, "ttyS") && uartExists(it->path())) {
            uarts.push_back(port);
        }
    }
    auto byName = [](const DiscoveredPort& a, const DiscoveredPort& b) { return naturalLess(a.kernelName, b.kernelName); };
    std::sort(usb.begin(), usb.end(), byName);
    std::sort(uarts.begin(), uarts.end(), byName);
    usb.insert(usb.end(), uarts.begin(), uarts.end());
    return usb;
}

}  // namespace vardeck
