#include "serial/PortNames.h"

#include <charconv>
#include <mutex>

namespace vardeck {
namespace {

// Backslash, backslash, dot, backslash: the prefix of device names outside the DOS set.
constexpr std::string_view kDevicePrefix = "\\\\.\\";

std::mutex& tableMutex() {
    static std::mutex m;
    return m;
}

ComPortResolver& table() {
    static ComPortResolver resolver;
    return resolver;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != prefix[i]) return false;
    }
    return true;
}

std::string_view withoutDevicePrefix(std::string_view name) {
    if (name.substr(0, kDevicePrefix.size()) == kDevicePrefix) name.remove_prefix(kDevicePrefix.size());
    return name;
}

}  // namespace

void setComPortTable(ComPortResolver resolver) {
    std::lock_guard lock(tableMutex());
    table() = std::move(resolver);
}

std::string comPortDevice(int portNumber) {
    if (portNumber < 1) return {};
    ComPortResolver resolver;
    {
        std::lock_guard lock(tableMutex());
        resolver = table();
    }
    if (resolver) {
        std::string device = resolver(portNumber);
        if (!device.empty()) return device;
    }
    return "/dev/ttyS" + std::to_string(portNumber - 1);
}

int comPortNumber(const std::string& name) {
    std::string_view rest = withoutDevicePrefix(name);
    if (!startsWithNoCase(rest, "COM")) return 0;
    rest.remove_prefix(3);
    if (rest.empty()) return 0;
    int number = 0;
    auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), number);
    if (ec != std::errc() || end != rest.data() + rest.size() || number < 1) return 0;
    return number;
}

std::string devicePathFor(const std::string& name) {
    if (int port = comPortNumber(name); port > 0) return comPortDevice(port);
    std::string_view rest = withoutDevicePrefix(name);
    if (rest.empty()) return {};
    if (rest.front() == '/') return std::string(rest);
    return "/dev/" + std::string(rest);
}

}  // namespace vardeck
