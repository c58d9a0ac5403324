#pragma once
#include <functional>
#include <string>

namespace vardeck::z4config {

// The settings values of the configurator under the brand key, reached through the
// program's settings store. This library does not link the store; the configurator
// passes the two calls with the brand key bound. A missing value reads as empty text.
// Values of the configurator's profile and window menus.
inline constexpr const char* kRefusalSetting = "custom";   // "True": the personal profile is refused
inline constexpr const char* kMonitorSetting = "monitor";  // window size "0" to "4"

struct SettingsAccess {
    std::function<std::string(const std::string& name)> read;
    std::function<void(const std::string& name, const std::string& text)> write;

    std::string get(const std::string& name) const { return read ? read(name) : std::string(); }
    void set(const std::string& name, const std::string& text) const {
        if (write) write(name, text);
    }
};

}  // namespace vardeck::z4config
